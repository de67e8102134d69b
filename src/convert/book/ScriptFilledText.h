#pragma once
// Punctuation that differs between programming languages ("." in C#, "::"
// in C++, "(Of " in Visual Basic), which Sandcastle's newer page styles
// leave out of the page and have a script fill in:
//
//   System<span id="L1"></span>
//   <script>AddLanguageSpecificTextSet("L1?cs=.|cpp=::|nu=.");</script>Object
//
// Newer pages carry the values on the element itself:
//
//   Worksheet<span data-languageSpecificText="cpp=::|nu=."></span>AddCell
//
// The book runs no scripts, so the text is filled in here as the script
// fills it in a browser: the value for the page's language (the one its
// body's OnLoad names, else C#), else the neutral one, else nothing.

typedef struct _xmlNode xmlNode;

void FillScriptFilledText(xmlNode* root);
