// 10,000 contacts read and listed: a vCard file as phones export it and a
// Google Contacts CSV file, each read and every contact's name and default
// address made ready for the picker's list. The target is well under 1 s.
#include "contacts/AddressFormat.h"
#include "contacts/ContactImport.h"
#include "contacts/ContactPickerModel.h"

#include <benchmark/benchmark.h>

using namespace zentrope;

namespace {

constexpr int kContacts = 10000;

QByteArray vcardFile()
{
    QByteArray out;
    for (int i = 0; i < kContacts; ++i) {
        const QByteArray n = QByteArray::number(i);
        out += "BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:-//Apple Inc.//iPhone OS 17.4//EN\r\n"
               "N:M\xC3\xBCller" +
               n + ";J\xC3\xBCrgen;;;\r\nFN:J\xC3\xBCrgen M\xC3\xBCller" + n +
               "\r\n"
               "ORG:Beispiel GmbH;Einkauf\r\n"
               "item1.EMAIL;type=INTERNET;type=pref:juergen" +
               n +
               "@example.de\r\n"
               "TEL;type=CELL;type=VOICE;type=pref:+49 170 " +
               n +
               "\r\n"
               "item2.ADR;type=HOME;type=pref:;;Hauptstra\xC3\x9F"
               "e " +
               n +
               "\\nHinterhaus;M\xC3\xBCnchen;Bayern;"
               "80331;Deutschland\r\nitem2.X-ABADR:de\r\n"
               "item3.ADR;type=WORK:;;1600 Pennsylvania Ave NW;Washington;DC;20500-0003;United States\r\n"
               "NOTE:A note long enough to be folded by the exporter\\, as Apple and Google fold lines at "
               "seve\r\n"
               " nty-five octets\\, so the reader has to join it again.\r\n"
               "END:VCARD\r\n";
    }
    return out;
}

QByteArray csvFile()
{
    QByteArray out = "Name,Given Name,Family Name,Group Membership,E-mail 1 - Type,E-mail 1 - Value,"
                     "Address 1 - Type,Address 1 - Formatted,Address 1 - Street,Address 1 - City,"
                     "Address 1 - PO Box,Address 1 - Region,Address 1 - Postal Code,Address 1 - Country,"
                     "Address 1 - Extended Address,Organization 1 - Name\n";
    for (int i = 0; i < kContacts; ++i) {
        const QByteArray n = QByteArray::number(i);
        out += "Ada Lovelace " + n + ",Ada,Lovelace " + n + ",* myContacts,* Home,ada" + n +
               "@example.org,* Home,\"12 St James's Square\nLondon SW1Y 4JH\nUnited Kingdom\","
               "12 St James's Square ::: Flat " +
               n + ",London,,,SW1Y 4JH,United Kingdom,,\"Engines, Ltd\"\n";
    }
    return out;
}

// What the picker's list shows for each contact.
void list(const ContactImport &import)
{
    for (const Contact &c : import.Contacts) {
        benchmark::DoNotOptimize(c.DisplayName());
        const int a = c.DefaultAddress();
        if (a >= 0)
            benchmark::DoNotOptimize(AddressSummary(c.Addresses[a], QStringLiteral("US")));
    }
}

void BM_ReadAndListVCards(benchmark::State &state)
{
    const QByteArray bytes = vcardFile();
    for (auto _ : state) {
        const ContactImport import = ReadContacts(bytes, QStringLiteral("contacts.vcf"));
        if (import.Contacts.size() != kContacts)
            state.SkipWithError("wrong contact count");
        list(import);
    }
    state.counters["MB"] = double(bytes.size()) / 1e6;
}

void BM_ReadAndListCsv(benchmark::State &state)
{
    const QByteArray bytes = csvFile();
    for (auto _ : state) {
        const ContactImport import = ReadContacts(bytes, QStringLiteral("contacts.csv"));
        if (import.Contacts.size() != kContacts)
            state.SkipWithError("wrong contact count");
        list(import);
    }
    state.counters["MB"] = double(bytes.size()) / 1e6;
}

// The picker: the file read and its contacts handed to the list's model, which
// prepares every contact's search text, then the rows a window shows painted.
void BM_ReadAndFillPicker(benchmark::State &state)
{
    const QByteArray bytes = vcardFile();
    for (auto _ : state) {
        ContactImport import = ReadContacts(bytes, QStringLiteral("contacts.vcf"));
        ContactPickerModel model;
        model.SetContacts(std::move(import.Contacts));
        if (model.rowCount() != kContacts)
            state.SkipWithError("wrong row count");
        for (int row = 0; row < 40; ++row)
            for (int column = 0; column < ContactPickerModel::ColumnCount; ++column)
                benchmark::DoNotOptimize(model.data(model.index(row, column)));
    }
}

// One keystroke in the search field over 10,000 contacts.
void BM_SearchPicker(benchmark::State &state)
{
    ContactPickerModel model;
    model.SetContacts(ReadContacts(vcardFile(), QStringLiteral("contacts.vcf")).Contacts);
    for (auto _ : state) {
        model.SetFilter(QStringLiteral("m\u00fcller 99"));
        if (model.rowCount() != 280)
            state.SkipWithError("wrong match count");
        model.SetFilter(QString());
    }
}

} // namespace

BENCHMARK(BM_ReadAndListVCards)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadAndListCsv)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadAndFillPicker)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SearchPicker)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
