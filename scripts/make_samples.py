#!/usr/bin/env python3
"""Writes the sample documents of Samples/ and the list of addresses a run
over them finds.

Each sample is written as flat OpenDocument text and converted by LibreOffice
(soffice --headless --convert-to) into its final format. Every address is a
made-up one under example.com, example.org or example.net. Addresses in page
headers, footers, footnotes and text boxes, and the targets of links whose
shown text is not an address, are not part of the main text: they are found
only when whole documents are searched.

Usage: make_samples.py OUTPUT_FOLDER    (needs soffice on the PATH)
"""
import html
import os
import re
import shutil
import subprocess
import sys
import tempfile

# Text of a paragraph may hold three kinds of markup:
#   [[link:TARGET|SHOWN]]  a hyperlink; only SHOWN is main text
#   [[note:TEXT]]          a footnote; not main text
#   [[box:TEXT]]           a text box anchored in the paragraph; not main text
MARKUP = re.compile(r"\[\[(link|note|box):([^|\]]*)(?:\|([^\]]*))?\]\]")

FILLER = [
    "The committee met in the small hall on the first floor, where the heating works again after the repairs of last winter.",
    "Several members asked for the agenda to be sent a week earlier, so that everyone has time to read the papers before the meeting.",
    "Attendance has grown steadily over the last three seasons, and the room is now full on most evenings.",
    "The treasurer reported that the accounts are in good order and that the reserve covers the planned repairs.",
    "A proposal to move the annual dinner to the spring was discussed at length and will be put to a vote next month.",
    "Volunteers are still needed for the garden day, for the book stall and for the evening concerts in the autumn.",
    "Thanks are due to everyone who helped with the move, in particular to those who carried the heavy shelves upstairs.",
    "The printed programme will be ready by the end of the month and copies will be left at the library and the town hall.",
    "Parking near the venue remains difficult, and members are encouraged to come by bus or bicycle where they can.",
    "Questions about any of the items in this document can be raised at the next open meeting or sent in writing.",
    "The new projector has arrived and will be tested before the first lecture of the season.",
    "We are grateful to the local bakery for the coffee and cake that kept everyone going through the long afternoon.",
]

SAMPLES = [
    {
        "name": "Conference Invitation",
        "format": "docx",
        "header": "Northfield Conference 2024 - registrations: registrations@example.com",
        "footer": "Page footer - press office press-office@example.com",
        "body": [
            ("h", "Invitation to the Northfield Conference"),
            ("p", "Dear colleague, we are delighted to invite you to this year's conference on local history."),
            ("p", "Please reply to the organising team at team.northfield@example.com by the end of May, "
                  "or call the office during working hours.[[note:Late replies may also go to late-replies@example.com "
                  "but cannot be guaranteed a seat]]"),
            ("filler", 6),
            ("h", "Speakers"),
            ("table", [["Speaker", "Topic", "Contact"],
                       ["Dr Mara Quill", "Mills of the valley", "mara.quill@example.org"],
                       ["Tomas Brenner", "Old trade routes", "t_brenner@example.net"],
                       ["Ines Calder", "Parish records", "ines.calder@example.com"]]),
            ("filler", 6),
            ("p", "Questions about travel and rooms: travel-desk@example.com (weekdays only)"),
            ("filler", 4),
        ],
    },
    {
        "name": "Supplier Directory",
        "format": "doc",
        "header": "Confidential supplier list - owner purchasing-head@example.org",
        "footer": "",
        "body": [
            ("h", "Supplier Directory"),
            ("p", "This directory lists the suppliers approved for the current financial year."),
            ("table", [["Company", "Goods", "Orders", "Accounts"],
                       ["Brightwell Paper", "Paper and card", "orders@brightwell.example.com", "accounts@brightwell.example.com"],
                       ["Kessler Inks", "Printer inks", "sales@kessler-inks.example.net", "billing@kessler-inks.example.net"],
                       ["Oakbay Furniture", "Desks, chairs", "hello@oakbay.example.org", "hello@oakbay.example.org"]]),
            ("filler", 8),
            ("p", "New suppliers are proposed to the purchasing desk at purchasing@example.org; "
                  "the form asks for two references."),
            ("filler", 6),
        ],
    },
    {
        "name": "Spring Newsletter",
        "format": "odt",
        "header": "",
        "footer": "Unsubscribe: newsletter-stop@example.net",
        "body": [
            ("h", "Spring Newsletter"),
            ("p", "Welcome to the spring issue. Our editor reads every letter: [[link:mailto:editor@example.org|editor@example.org]]"),
            ("p", "If you would rather not write, simply [[link:mailto:quiet-reader@example.org|send us a note]] "
                  "and we will call you back."),
            ("filler", 7),
            ("h", "Notice board"),
            ("p", "Lost and found: a blue umbrella, three gloves and a library card. Ask at lost.found@example.com today"),
            ("p", "The walking group meets on Saturdays; contact <walks@example.net> for the route."),
            ("filler", 7),
        ],
    },
    {
        "name": "Meeting Minutes",
        "format": "rtf",
        "header": "Minutes - secretary minutes-secretary@example.com",
        "footer": "",
        "body": [
            ("h", "Minutes of the Committee Meeting"),
            ("p", "Present: the chair, the treasurer and five members. Apologies were sent by Ruth Ambler (ruth.ambler@example.com)."),
            ("filler", 5),
            ("p", "Action: the chair will write to the council at Council.Liaison@Example.org about the lease."),
            ("filler", 5),
            ("p", "Action: the treasurer will send the accounts to council.liaison@example.org as well, "
                  "and copy audit@example.net."),
            ("filler", 6),
        ],
    },
    {
        "name": "Club Members",
        "format": "docx",
        "header": "",
        "footer": "Membership office membership-office@example.org",
        "body": [
            ("h", "Club Members"),
            ("p", "The following members have agreed to share their contact details with the club."),
            ("table", [["Name", "Joined", "E-mail"],
                       ["Alva Norrby", "2015", "alva.norrby@example.com"],
                       ["Ben Okafor", "2017", "ben.okafor@example.net"],
                       ["Chiara Lodi", "2019", "chiara+club@example.org"],
                       ["Deniz Aksoy", "2021", "deniz_aksoy@example.com"]]),
            ("filler", 10),
            ("p", "Changes of address go to the register keeper, register@example.com;"
                  " the register is updated every quarter.[[note:Former members are removed after a year, "
                  "ask archive@example.net for older lists]]"),
            ("filler", 4),
        ],
    },
    {
        "name": "Project Update",
        "format": "doc",
        "header": "",
        "footer": "Project office - pmo@example.net",
        "body": [
            ("h", "Project Update"),
            ("p", "The survey of the old mill is complete; the report was sent to survey-team@example.org on Monday."),
            ("filler", 7),
            ("p", "Site contact during the works: site.manager@works.example.com, mobile on request."),
            ("filler", 7),
            ("p", "Next review: the steering group (steering@example.com) meets on the first Tuesday."),
            ("filler", 3),
        ],
    },
    {
        "name": "Customer Feedback",
        "format": "rtf",
        "header": "",
        "footer": "",
        "body": [
            ("h", "Customer Feedback Summary"),
            ("p", "Most comments this quarter concerned delivery times and the new packaging."),
            ("filler", 6),
            ("p", "\u201cThe parcel came a day early!\u201d wrote a customer from the coast (feedback-1044@example.com)."),
            ("p", "Complaints are answered by the care team: care@example.net; praise goes to thanks@example.org"),
            ("filler", 8),
        ],
    },
    {
        "name": "Whole Document Letter",
        "format": "docx",
        "header": "Harbour Lane Studio - letters: letterhead@example.com",
        "footer": "Registered office, 4 Harbour Lane - accounts: footer-accounts@example.net",
        "body": [
            ("h", "A Letter Worth Reading Whole"),
            ("p", "Dear Sam, thank you for the drawings; the studio desk (studio.desk@example.org) has them now."
                  "[[box:Contact box: Priya Raman, priya.raman@example.com]]"),
            ("filler", 3),
            ("p", "The framing quote follows next week.[[note:Framing questions to framer@example.net, please]]"),
            ("p", "If anything is unclear, [[link:mailto:anna.berg@example.org?subject=Drawings|write to Anna]]."),
            ("filler", 2),
        ],
    },
    {
        "name": "Volunteer Roster",
        "format": "odt",
        "header": "Roster owner roster-owner@example.com",
        "footer": "",
        "body": [
            ("h", "Volunteer Roster"),
            ("p", "Each shift needs two volunteers. Swap shifts among yourselves and tell the coordinator."),
            ("table", [["Day", "Morning", "Afternoon"],
                       ["Monday", "lena.fischer@example.org", "omar.haddad@example.com"],
                       ["Wednesday", "piet.vos@example.net", "lena.fischer@example.org"],
                       ["Saturday", "yuki.tanaka@example.com", "open"]]),
            ("filler", 8),
            ("p", "Coordinator: volunteers@example.org, please do not phone after nine.[[note:Out of hours, "
                  "the caretaker caretaker@example.net has the keys]]"),
            ("filler", 6),
        ],
    },
]

FODT_HEAD = """<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:xlink="http://www.w3.org/1999/xlink"
 xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"
 xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
 office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.text">
 <office:styles>
  <style:default-style style:family="paragraph">
   <style:paragraph-properties fo:margin-bottom="0.2cm"/>
   <style:text-properties style:font-name="Liberation Serif" fo:font-size="12pt"/>
  </style:default-style>
  <style:style style:name="Heading_20_1" style:display-name="Heading 1" style:family="paragraph">
   <style:paragraph-properties fo:margin-top="0.4cm" fo:margin-bottom="0.3cm"/>
   <style:text-properties fo:font-size="16pt" fo:font-weight="bold"/>
  </style:style>
 </office:styles>
 <office:automatic-styles>
  <style:style style:name="Cell" style:family="table-cell">
   <style:table-cell-properties fo:border="0.5pt solid #000000" fo:padding="0.1cm"/>
  </style:style>
  <style:page-layout style:name="pm1">
   <style:page-layout-properties fo:page-width="21cm" fo:page-height="29.7cm" fo:margin-top="2cm"
    fo:margin-bottom="2cm" fo:margin-left="2.2cm" fo:margin-right="2.2cm"/>
   <style:header-style/><style:footer-style/>
  </style:page-layout>
 </office:automatic-styles>
"""


def main_text_of(text):
    """The paragraph's text as a word processor's main story gives it."""
    return MARKUP.sub(lambda m: m.group(3) if m.group(1) == "link" else "", text)


def paragraph_xml(text):
    out, pos = [], 0
    for m in MARKUP.finditer(text):
        out.append(html.escape(text[pos:m.start()], quote=False))
        if m.group(1) == "link":
            out.append('<text:a xlink:type="simple" xlink:href="%s">%s</text:a>'
                       % (html.escape(m.group(2)), html.escape(m.group(3), quote=False)))
        elif m.group(1) == "box":
            out.append('<draw:frame text:anchor-type="paragraph" svg:width="6cm" svg:height="2cm" svg:x="10cm" '
                       'svg:y="0cm"><draw:text-box><text:p>%s</text:p></draw:text-box></draw:frame>'
                       % html.escape(m.group(2), quote=False))
        else:
            out.append('<text:note text:note-class="footnote"><text:note-citation>*</text:note-citation>'
                       '<text:note-body><text:p>%s</text:p></text:note-body></text:note>'
                       % html.escape(m.group(2), quote=False))
        pos = m.end()
    out.append(html.escape(text[pos:], quote=False))
    return "".join(out)


def filler(count, seed):
    paragraphs = []
    for i in range(count):
        sentences = [FILLER[(seed * 7 + i * 3 + k) % len(FILLER)] for k in range(5)]
        paragraphs.append(" ".join(sentences))
    return paragraphs


def blocks(sample):
    """(kind, content) in document order, filler expanded."""
    seed = sum(map(ord, sample["name"]))
    for kind, content in sample["body"]:
        if kind == "filler":
            for p in filler(content, seed):
                yield "p", p
            seed += 1
        else:
            yield kind, content


def fodt(sample):
    parts = [FODT_HEAD, " <office:master-styles>\n  <style:master-page style:name=\"Standard\" style:page-layout-name=\"pm1\">\n"]
    if sample["header"]:
        parts.append("   <style:header><text:p>%s</text:p></style:header>\n" % html.escape(sample["header"], quote=False))
    if sample["footer"]:
        parts.append("   <style:footer><text:p>%s</text:p></style:footer>\n" % html.escape(sample["footer"], quote=False))
    parts.append("  </style:master-page>\n </office:master-styles>\n <office:body><office:text>\n")
    tables = 0
    for kind, content in blocks(sample):
        if kind == "h":
            parts.append('  <text:h text:style-name="Heading_20_1" text:outline-level="1">%s</text:h>\n'
                         % html.escape(content, quote=False))
        elif kind == "p":
            parts.append("  <text:p>%s</text:p>\n" % paragraph_xml(content))
        elif kind == "table":
            tables += 1
            parts.append('  <table:table table:name="Table%d"><table:table-column table:number-columns-repeated="%d"/>\n'
                         % (tables, len(content[0])))
            for row in content:
                cells = "".join('<table:table-cell table:style-name="Cell" office:value-type="string">'
                                "<text:p>%s</text:p></table:table-cell>" % paragraph_xml(c) for c in row)
                parts.append("   <table:table-row>%s</table:table-row>\n" % cells)
            parts.append("  </table:table>\n")
    parts.append(" </office:text></office:body>\n</office:document>\n")
    return "".join(parts)


# The address test the extractor applies to each word.
SEPARATORS = ",!\"#$%&'()*/:;<=>?[\\]^`{|}~\x07\x0b\xa0"
ADDRESS = re.compile(
    r"^([a-zA-Z0-9_\-])([a-zA-Z0-9_\-\.]*)@(\[((25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9][0-9]|[0-9])\.){3}|"
    r"((([a-zA-Z0-9\-]+)\.)+))([a-zA-Z]{2,}|(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9][0-9]|[0-9])\])$")


def found_addresses(sample):
    """The addresses of the main text, first spelling of each, in order."""
    texts = []
    for kind, content in blocks(sample):
        if kind == "table":
            texts.extend(main_text_of(c) for row in content for c in row)
        else:
            texts.append(main_text_of(content))
    seen, found = set(), []
    for text in texts:
        for ch in SEPARATORS:
            text = text.replace(ch, " ")
        for word in text.split():
            if "@" in word and "." in word and ADDRESS.match(word) and word.lower() not in seen:
                seen.add(word.lower())
                found.append(word)
    return found


def main():
    out = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else ".")
    os.makedirs(out, exist_ok=True)
    work = tempfile.mkdtemp()
    try:
        for sample in SAMPLES:
            source = os.path.join(work, sample["name"] + ".fodt")
            with open(source, "w", encoding="utf-8") as f:
                f.write(fodt(sample))
            filters = {"doc": "doc:MS Word 97", "docx": "docx:MS Word 2007 XML", "rtf": "rtf", "odt": "odt"}
            subprocess.run(["soffice", "--headless", "--convert-to", filters[sample["format"]],
                            "--outdir", out, source], check=True, stdout=subprocess.DEVNULL)
        for sample in SAMPLES:
            print("%s.%s" % (sample["name"], sample["format"]))
            for address in found_addresses(sample):
                print("    " + address)
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    main()
