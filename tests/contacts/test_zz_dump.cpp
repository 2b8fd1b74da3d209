#include "contacts/ContactImport.h"
#include "contacts/Envelopes.h"
#include <gtest/gtest.h>
#include <cstdio>
using namespace zentrope;
TEST(Dump, All)
{
    const char *files[] = {"google.csv","outlook.csv","thunderbird-de.csv","android-2.1.vcf","iphone-3.0.vcf","vcard-4.0.vcf","outlook-2.1.vcf",
        "japanese-phone.vcf","nokia-iso-8859-2.vcf","windows-mobile.vcf","outlook-de.vcf","android-continued.vcf","iphone-crcrlf.vcf",
        "outlook-de.csv","outlook-fr.csv","outlook-es.csv","thunderbird-fr.csv","thunderbird-1251.csv","damaged.vcf"};
    for (const char *f : files) {
        try {
        ContactImport im = ReadContactFile(QStringLiteral(ZENTROPE_SOURCE_DIR "/tests/contacts/data/") + QString::fromLatin1(f));
        if (QByteArray(f) == "thunderbird-1251.csv") ChangeCharset(im, "windows-1251");
        for (const char *home : {"US","DE"}) {
            printf("=== %s from %s (%s)\n%s\n", f, home, qPrintable(ReadReport(int(im.Contacts.size()), im.Counts)),
                   qPrintable(ImportedText(im.Contacts, DefaultChoices(im.Contacts), QString::fromLatin1(home)).replace("\n\n", "\n--\n")));
        }
        } catch (const std::exception &e) { printf("=== %s: %s\n", f, e.what()); }
    }
}
