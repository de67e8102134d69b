# Converts a help file to PDF with calibre's conversion pipeline, run as
#
#   calibre-debug -e bench/large/calibre_chm.py SOURCE.chm TARGET.pdf [ebook-convert options]
#
# calibre 6.13 builds the book from a CHM file through a fresh HTML input
# plugin whose convert() never ran, so that plugin lacks the input root folder
# and the options it reads on the first local link (AttributeError
# 'root_dir_of_input').  Setting both from the arguments of create_oebbook
# before it runs lets the ordinary ebook-convert command line do the rest.
import os
import sys

from calibre.customize.builtins import HTMLInput
from calibre.ebooks.conversion.cli import main as ebook_convert

_create_oebbook = HTMLInput.create_oebbook


def create_oebbook_with_root(self, htmlpath, basedir, opts, log, mi):
    if not hasattr(self, "root_dir_of_input"):
        self.root_dir_of_input = os.path.abspath(basedir) + os.sep
    if not hasattr(self, "opts"):
        self.opts = opts
    return _create_oebbook(self, htmlpath, basedir, opts, log, mi)


HTMLInput.create_oebbook = create_oebbook_with_root

# calibre-debug -e hands the script's own path as the first word.
arguments = [a for a in sys.argv[1:] if a != "--"]
sys.exit(ebook_convert(["ebook-convert"] + arguments))
