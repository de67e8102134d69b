#include "convert/book/DefaultStyleSheet.h"

// Values as browsers print pages: 16 px text, headings from 2 em down to
// 0.67 em, 1 em between paragraphs, lists indented by 40 px.
const char* DefaultStyleSheet() {
    return R"(
html, address, blockquote, body, center, dd, dir, div, dl, dt, fieldset, form, frameset,
h1, h2, h3, h4, h5, h6, header, footer, hr, legend, listing, main, menu, nav, ol, p, plaintext,
pre, section, article, aside, figure, figcaption, ul, xmp, details, summary { display: block }
head, link, meta, script, style, title, template, area, base, basefont, datalist, noembed,
noframes, param, rp { display: none }
[hidden] { display: none }
body { margin: 8px }
p, dl, multicol { margin-top: 1em; margin-bottom: 1em }
dd { margin-left: 40px }
blockquote, figure { margin: 1em 40px }
address, cite, dfn, em, i, var { font-style: italic }
b, strong, th { font-weight: bold }
center { text-align: center }
h1 { font-size: 2em; margin-top: 0.67em; margin-bottom: 0.67em; font-weight: bold }
h2 { font-size: 1.5em; margin-top: 0.83em; margin-bottom: 0.83em; font-weight: bold }
h3 { font-size: 1.17em; margin-top: 1em; margin-bottom: 1em; font-weight: bold }
h4 { font-size: 1em; margin-top: 1.33em; margin-bottom: 1.33em; font-weight: bold }
h5 { font-size: 0.83em; margin-top: 1.67em; margin-bottom: 1.67em; font-weight: bold }
h6 { font-size: 0.67em; margin-top: 2.33em; margin-bottom: 2.33em; font-weight: bold }
listing, plaintext, pre, xmp { white-space: pre; margin-top: 1em; margin-bottom: 1em }
listing, plaintext, pre, xmp, code, kbd, samp, tt { font-family: monospace }
pre, xmp, listing, plaintext, code, kbd, samp, tt { font-size: 0.8125em }
pre pre, pre code, pre kbd, pre samp, pre tt { font-size: 1em }
big { font-size: larger }
small, sub, sup { font-size: smaller }
sub { vertical-align: sub }
sup { vertical-align: super }
u, ins { text-decoration: underline }
s, strike, del { text-decoration: line-through }
a[href] { text-decoration: underline }
nobr { white-space: nowrap }
ul, menu, dir { list-style-type: disc }
ol { list-style-type: decimal }
ol, ul, menu, dir { margin-top: 1em; margin-bottom: 1em; padding-left: 40px }
li ul, li ol, ul ul, ul ol, ol ul, ol ol { margin-top: 0; margin-bottom: 0 }
li { display: list-item }
hr { border: 1px inset; margin-top: 0.5em; margin-bottom: 0.5em }
table { display: table; border-spacing: 2px; border-collapse: separate; text-indent: 0 }
caption { display: table-caption; text-align: center }
colgroup { display: table-column-group }
col { display: table-column }
thead { display: table-header-group; vertical-align: middle }
tbody { display: table-row-group; vertical-align: middle }
tfoot { display: table-footer-group; vertical-align: middle }
tr { display: table-row; vertical-align: inherit }
td, th { display: table-cell; vertical-align: inherit; padding: 1px }
th { text-align: center }
img { display: inline-block }
)";
}
