#!/usr/bin/env python3
"""Writes data/wordedges/wordedges.docx, the document of every word-edge
case, and (with --convert) has LibreOffice save it as .doc, .odt and .rtf
beside it.

Usage: python3 tests/extract/make_wordedges.py [--convert]
"""
import os
import shutil
import subprocess
import sys
import tempfile
import zipfile

W = "http://schemas.openxmlformats.org/wordprocessingml/2006/main"
R = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"


def esc(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def t(text):
    return '<w:r><w:t xml:space="preserve">%s</w:t></w:r>' % esc(text)


def r(inner):
    return "<w:r>%s</w:r>" % inner


def p(*runs, ppr=""):
    return "<w:p>%s%s</w:p>" % (ppr, "".join(runs))


SECTION = ('<w:pPr><w:sectPr><w:type w:val="nextPage"/><w:pgSz w:w="11906" w:h="16838"/>'
           '<w:pgMar w:top="1134" w:right="1134" w:bottom="1134" w:left="1134" w:header="0" '
           'w:footer="0" w:gutter="0"/></w:sectPr></w:pPr>')

BODY = "".join([
    p(t("Sentence end: please e-mail contact@agency.gov. Thank you.")),
    p(t("Quotes: \u201ccurly@example.com\u201d, \u2018single@example.com\u2019 and "
        "\u00abguillemet@example.com\u00bb.")),
    p(t("CJK: \u90ae\u7bb1\uff1asales@example.cn\u3002\u30e1\u30fc\u30eb\uff08info@example.jp\uff09")),
    p(t("A note: note@example.com"), r('<w:rPr><w:vertAlign w:val="superscript"/></w:rPr>'
                                       '<w:footnoteReference w:id="1"/>'), t("next word.")),
    p(t("Page break: page@example.com"), r('<w:br w:type="page"/>'), t("after the break.")),
    p(t("Section break: section@example.com"), ppr=SECTION),
    p(t("after the section break.")),
    p(t("Hyphens: opt"), r("<w:softHyphen/>"), t("hyphen@example.com and non"), r("<w:noBreakHyphen/>"),
      t("break@example.com.")),
    p(t("Dashes: dash@example.com\u2014then dots@example.com\u2026 the end.")),
    p(t("Still not addresses: zo\u00e9@example.com \u8054\u7cfbab@example.com a+b@example.com "
        "x@example..com trail@example.com- .lead@example.com")),
])

DOCUMENT = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
            '<w:document xmlns:w="%s" xmlns:r="%s"><w:body>%s<w:sectPr><w:pgSz w:w="11906" w:h="16838"/>'
            '</w:sectPr></w:body></w:document>' % (W, R, BODY))

FOOTNOTES = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?><w:footnotes xmlns:w="%s">'
             '<w:footnote w:type="separator" w:id="-1"><w:p><w:r><w:separator/></w:r></w:p></w:footnote>'
             '<w:footnote w:type="continuationSeparator" w:id="0"><w:p><w:r><w:continuationSeparator/>'
             '</w:r></w:p></w:footnote>'
             '<w:footnote w:id="1"><w:p><w:r><w:rPr><w:vertAlign w:val="superscript"/></w:rPr><w:footnoteRef/>'
             '</w:r>%s</w:p></w:footnote></w:footnotes>' % (W, t(" The note itself.")))

CONTENT_TYPES = (
    '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
    '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
    '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
    '<Default Extension="xml" ContentType="application/xml"/>'
    '<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.'
    'wordprocessingml.document.main+xml"/>'
    '<Override PartName="/word/footnotes.xml" ContentType="application/vnd.openxmlformats-officedocument.'
    'wordprocessingml.footnotes+xml"/></Types>')

PACKAGE_RELS = (
    '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
    '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
    '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/'
    'officeDocument" Target="word/document.xml"/></Relationships>')

DOCUMENT_RELS = (
    '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
    '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
    '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/'
    'footnotes" Target="footnotes.xml"/></Relationships>')


def write_docx(path):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in [("[Content_Types].xml", CONTENT_TYPES), ("_rels/.rels", PACKAGE_RELS),
                           ("word/document.xml", DOCUMENT), ("word/_rels/document.xml.rels", DOCUMENT_RELS),
                           ("word/footnotes.xml", FOOTNOTES)]:
            info = zipfile.ZipInfo(name, date_time=(2026, 1, 1, 0, 0, 0))
            z.writestr(info, data.encode("utf-8"), zipfile.ZIP_DEFLATED)


def convert(docx):
    filters = {"doc": "doc:MS Word 97", "odt": "odt", "rtf": "rtf:Rich Text Format"}
    with tempfile.TemporaryDirectory() as profile, tempfile.TemporaryDirectory() as out:
        for ext, target in filters.items():
            subprocess.run(["soffice", "-env:UserInstallation=file://" + profile, "--headless",
                            "--convert-to", target, "--outdir", out, docx], check=True,
                           stdout=subprocess.DEVNULL)
            name = os.path.splitext(os.path.basename(docx))[0] + "." + ext
            shutil.move(os.path.join(out, name), os.path.join(os.path.dirname(docx), name))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    docx = os.path.join(here, "data", "wordedges", "wordedges.docx")
    write_docx(docx)
    if "--convert" in sys.argv[1:]:
        convert(docx)


if __name__ == "__main__":
    main()
