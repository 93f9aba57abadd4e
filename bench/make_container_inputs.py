#!/usr/bin/env python3
"""Builds the inputs that compare reading documents loose with reading them
inside containers: the same files as a folder, a .zip, a .tar.gz and one
e-mail message (.eml) that carries every file as an attachment.

Usage: bench/make_container_inputs.py CORPUS OUT_FOLDER
Writes OUT_FOLDER/loose/ (a copy of CORPUS), corpus.zip, corpus.tar.gz and
corpus.eml, members in the order of the sorted relative paths.
"""
import email.message
import email.policy
import mimetypes
import os
import shutil
import sys
import tarfile
import zipfile


def files_of(corpus):
    found = []
    for folder, _, names in os.walk(corpus):
        for name in names:
            path = os.path.join(folder, name)
            found.append(os.path.relpath(path, corpus))
    return sorted(found)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    corpus, out = sys.argv[1], sys.argv[2]
    names = files_of(corpus)
    os.makedirs(out, exist_ok=True)
    loose = os.path.join(out, "loose")
    shutil.rmtree(loose, ignore_errors=True)
    shutil.copytree(corpus, loose)

    with zipfile.ZipFile(os.path.join(out, "corpus.zip"), "w", zipfile.ZIP_DEFLATED) as archive:
        for name in names:
            archive.write(os.path.join(corpus, name), name)
    with tarfile.open(os.path.join(out, "corpus.tar.gz"), "w:gz") as archive:
        for name in names:
            archive.add(os.path.join(corpus, name), name, recursive=False)

    message = email.message.EmailMessage(policy=email.policy.SMTP)
    message["From"] = "Archive <archive@example.net>"
    message["To"] = "Records <records@example.net>"
    message["Subject"] = "The documents, attached"
    message.set_content("Every document is attached.\n")
    for name in names:
        kind = mimetypes.guess_type(name)[0] or "application/octet-stream"
        main_type, sub_type = kind.split("/", 1)
        with open(os.path.join(corpus, name), "rb") as document:
            message.add_attachment(document.read(), maintype=main_type, subtype=sub_type,
                                   filename=name.replace("/", "_"))
    with open(os.path.join(out, "corpus.eml"), "wb") as eml:
        eml.write(message.as_bytes())


if __name__ == "__main__":
    main()
