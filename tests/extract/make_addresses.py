#!/usr/bin/env python3
"""Writes data/addresses/addresses.docx, the document of addresses as people
write them (plus signs, apostrophes, Unicode hyphens, addresses inside
Chinese, Japanese and Thai text, international addresses), and (with
--convert) has LibreOffice save it as .doc, .odt and .rtf beside it.

Usage: python3 tests/extract/make_addresses.py [--convert]
"""
import os
import sys
import zipfile

from make_wordedges import CONTENT_TYPES, DOCUMENT_RELS, FOOTNOTES, PACKAGE_RELS, R, W, convert, p, t

BODY = "".join([
    p(t("Plus: john+news@example.com and sales+eu@shop.example.co.uk, +first@example.com.")),
    p(t("Apostrophes: o'brien@example.ie, o\u2019brien@example.ie, d\u2019arcy@example.ie, "
        "'quoted@example.com' and \u2018single@example.com\u2019.")),
    p(t("Hyphens: eremurus@mtu\u2010net.ru, redcross\u2010youth@yandex.ru.")),
    p(t("\u8054\u7cfb\u90ae\u7bb1sales@example.com\u83b7\u53d6\u62a5\u4ef7 "
        "\u30e1\u30fc\u30eb\u306finfo@example.co.jp\u307e\u3067 "
        "\u0e15\u0e34\u0e14\u0e15\u0e48\u0e2dthai@example.co.th")),
    p(t("International: zo\u00e9@example.fr, j\u00fcrgen@b\u00fccher.de, J\u00fcrgen@B\u00fccher.de, "
        "\u7528\u6237@\u4f8b\u5b50.\u5e7f\u544a, \u0438\u0432\u0430\u043d@\u043f\u0440\u0438\u043c\u0435\u0440.\u0440\u0444.")),
    p(t("Never addresses: zo\u00e9@-b\u00fccher.de x@example.c1 .lead@example.com")),
])

DOCUMENT = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
            '<w:document xmlns:w="%s" xmlns:r="%s"><w:body>%s<w:sectPr><w:pgSz w:w="11906" w:h="16838"/>'
            '</w:sectPr></w:body></w:document>' % (W, R, BODY))


def write_docx(path):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in [("[Content_Types].xml", CONTENT_TYPES), ("_rels/.rels", PACKAGE_RELS),
                           ("word/document.xml", DOCUMENT), ("word/_rels/document.xml.rels", DOCUMENT_RELS),
                           ("word/footnotes.xml", FOOTNOTES)]:
            info = zipfile.ZipInfo(name, date_time=(2026, 1, 1, 0, 0, 0))
            z.writestr(info, data.encode("utf-8"), zipfile.ZIP_DEFLATED)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = os.path.join(here, "data", "addresses")
    os.makedirs(folder, exist_ok=True)
    docx = os.path.join(folder, "addresses.docx")
    write_docx(docx)
    if "--convert" in sys.argv[1:]:
        convert(docx)


if __name__ == "__main__":
    main()
