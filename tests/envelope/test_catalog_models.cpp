#include "envelope/EnvelopeSizeCatalog.h"
#include "envelope/ReturnAddressCatalog.h"
#include "settings/QevIniFile.h"
#include "support/TestEnv.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>

using namespace zentrope;
using namespace zentrope::test;

namespace {

QString iniIn(const char *name)
{
    return freshDir(QString::fromLatin1(name)) + QStringLiteral("/zentrope.ini");
}

QStringList names(const EnvelopeSizeCatalog &c)
{
    QStringList out;
    for (const EnvelopeSize &e : c.Entries())
        out << e.Name;
    return out;
}

QStringList descriptions(const ReturnAddressCatalog &c)
{
    QStringList out;
    for (const ReturnAddress &a : c.Entries())
        out << a.Description;
    return out;
}

QString defaultName(const EnvelopeSizeCatalog &c)
{
    const EnvelopeSize *e = c.At(c.FDefaultIndex);
    return e ? e->Name : QStringLiteral("<none>");
}

QString defaultDescription(const ReturnAddressCatalog &c)
{
    const ReturnAddress *a = c.At(c.DefaultIndex);
    return a ? a->Description : QStringLiteral("<none>");
}

} // namespace

TEST(EnvelopeSizeCatalogTest, BuiltInSizesAndStoredEdgeCases)
{
    const QString path = iniIn("env-load");
    TQevIniFile ini(path);
    EnvelopeSizeCatalog c;
    EXPECT_EQ(c.Load(ini), 0);
    EXPECT_EQ(names(c), QStringList({"Business #10", "Greeting Card", "Printer Setup", "Small"}));
    EXPECT_EQ(c.FDefaultIndex, 0);
    EXPECT_EQ(c.At(0)->Dimension.Width, 9.0);
    EXPECT_EQ(c.At(0)->Dimension.Height, 4.0);
    EXPECT_EQ(c.At(3)->Dimension.Height, 3.5);
    EXPECT_TRUE(c.At(2)->IsPrinterSetup());
    EXPECT_EQ(c.FGraphicX, 1.0);
    EXPECT_EQ(c.FGraphicY, 1.0);

    // A count of 0 rebuilds the built-in sizes whatever else the section holds.
    ini.WriteInteger("Envelopes", "Count", 0);
    ini.WriteString("Envelopes", "Envelope1", "Stale");
    ini.WriteInteger("Envelopes", "Default", 3);
    EXPECT_EQ(c.Load(ini), 0);
    EXPECT_EQ(c.Count(), 4);
    EXPECT_EQ(defaultName(c), "Business #10");

    // A negative count is an empty catalog, without the built-in sizes.
    ini.WriteInteger("Envelopes", "Count", -2);
    EXPECT_EQ(c.Load(ini), -1);
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(c.At(c.FDefaultIndex), nullptr);

    // Default 0: no default, the first size is selected.
    ini.EraseSection("Envelopes");
    ini.WriteInteger("Envelopes", "Count", 3);
    ini.WriteString("Envelopes", "Envelope1", "b");
    ini.WriteString("Envelopes", "Envelope2", "A");
    ini.WriteInteger("Envelopes", "Envelope2_Width", 8125);
    ini.WriteInteger("Envelopes", "Default", 0);
    EXPECT_EQ(c.Load(ini), 0);
    EXPECT_EQ(c.FDefaultIndex, -1);
    // Envelope3 has no keys: an empty name (sorting first) with the default dimension.
    EXPECT_EQ(names(c), QStringList({"", "A", "b"}));
    EXPECT_EQ(c.At(0)->Dimension.Width, 6.0);
    EXPECT_EQ(c.At(1)->Dimension.Width, 8.125);

    // Default beyond the count makes the first size the default.
    ini.WriteInteger("Envelopes", "Default", 9);
    EXPECT_EQ(c.Load(ini), 0);
    EXPECT_EQ(c.FDefaultIndex, 0);
    // A default naming a later entry selects it.
    ini.WriteInteger("Envelopes", "Default", 3);
    EXPECT_EQ(c.Load(ini), 2);
}

TEST(EnvelopeSizeCatalogTest, IndexesFollowAddRenameAndDelete)
{
    EnvelopeSizeCatalog c;
    TQevIniFile ini(iniIn("env-index"));
    c.Load(ini); // Business #10 (default), Greeting Card, Printer Setup, Small

    EXPECT_EQ(c.Add("aaa"), 0); // before the default: the default moves down
    EXPECT_EQ(c.FDefaultIndex, 1);
    EXPECT_EQ(c.Add("Zeta"), 5); // after it: no change
    EXPECT_EQ(c.FDefaultIndex, 1);
    EXPECT_EQ(c.At(5)->Dimension.Width, 6.0);

    // Renaming the default keeps it the default at its new place, with its size.
    EXPECT_EQ(c.Rename(1, "Tiny"), 4);
    EXPECT_EQ(defaultName(c), "Tiny");
    EXPECT_EQ(c.At(4)->Dimension.Width, 9.0);
    // A neighbour before the default moving behind it, and one behind moving before.
    EXPECT_EQ(c.Rename(0, "zz"), 5);
    EXPECT_EQ(defaultName(c), "Tiny");
    EXPECT_EQ(c.Rename(4, "A"), 0);
    EXPECT_EQ(defaultName(c), "Tiny");
    EXPECT_EQ(names(c), QStringList({"A", "Greeting Card", "Printer Setup", "Small", "Tiny", "zz"}));

    // Renaming to "Printer Setup" makes the entry special; letter case counts.
    EXPECT_EQ(c.Rename(5, "Printer Setup"), 3);
    EXPECT_TRUE(c.At(3)->IsPrinterSetup());
    EXPECT_FALSE(EnvelopeSize::IsPrinterSetupName("printer setup"));

    // Delete before the default, then the default itself.
    EXPECT_EQ(c.Delete(0), 0);
    EXPECT_EQ(defaultName(c), "Tiny");
    EXPECT_EQ(c.Delete(c.FDefaultIndex), 0);
    EXPECT_EQ(c.FDefaultIndex, 0);
    EXPECT_EQ(c.Delete(99), -1);
    EXPECT_EQ(c.Rename(-1, "x"), -1);

    // Deleting every size: no default; the next Add then has none either.
    while (c.Count() > 0)
        c.Delete(c.Count() - 1);
    EXPECT_EQ(c.Delete(0), -1);
    EXPECT_EQ(c.Add("Only"), 0);
    EXPECT_EQ(c.At(c.FDefaultIndex), nullptr);
}

TEST(EnvelopeSizeCatalogTest, EqualNamesAndSaveRoundTrip)
{
    EnvelopeSizeCatalog c;
    TQevIniFile ini(iniIn("env-save"));
    c.Load(ini);
    // A new entry among equal names (ignoring case) goes after them.
    EXPECT_EQ(c.Add("small"), 4);
    EXPECT_EQ(c.Add("SMALL"), 5);
    EXPECT_EQ(c.Add("Small"), 6);
    EXPECT_EQ(names(c).mid(3), QStringList({"Small", "small", "SMALL", "Small"}));
    c.SetDimensionFromControls(5, "9.5", "4", "-0.25");
    c.FGraphicX = 1.125;
    c.FGraphicY = 0;
    c.FDefaultIndex = 5;
    c.Save(ini);
    EXPECT_EQ(ini.ReadString("Envelopes", "Envelope6", ""), "SMALL");
    EXPECT_EQ(ini.ReadString("Envelopes", "Envelope6_Width", ""), "9500");
    EXPECT_EQ(ini.ReadString("Envelopes", "Envelope6_Indent", ""), "-250");

    // Reloading keeps the order of equal names, the default and the selection.
    EnvelopeSizeCatalog back;
    EXPECT_EQ(back.Load(ini), 5);
    EXPECT_EQ(names(back), names(c));
    EXPECT_EQ(back.At(5)->Dimension.Width, 9.5);
    EXPECT_EQ(back.At(5)->Dimension.Indent, -0.25);
    EXPECT_EQ(back.FGraphicX, 1.125);
    EXPECT_EQ(back.FGraphicY, 0.0);

    // Saving is whole: keys of entries that are gone disappear.
    back.Delete(6);
    back.Delete(5);
    back.Save(ini);
    EXPECT_EQ(ini.ReadString("Envelopes", "Envelope6", "<absent>"), "<absent>");
    EXPECT_EQ(ini.ReadSectionKeys("Envelopes").size(), 4 + 5 * 4);
}

TEST(ReturnAddressCatalogTest, LoadEdgeCasesAndSavedSection)
{
    const QString path = iniIn("ra-load");
    TQevIniFile ini(path);
    ReturnAddressCatalog c;
    EXPECT_EQ(c.Load(ini), 0);
    ASSERT_EQ(c.Count(), 1);
    EXPECT_EQ(c.At(0)->Description, "home");
    EXPECT_EQ(c.At(0)->Lines, QStringList({"Your Name", "123 Main St.", "Somewhere, XX 98765"}));
    EXPECT_EQ(c.DefaultIndex, 0);
    c.Save(ini);
    EXPECT_EQ(ini.ReadSectionKeys("ReturnAddresses"),
              QStringList({"Count", "Default", "Description1", "Address1_Count", "Address1_0", "Address1_1",
                           "Address1_2"}));

    // A count beyond the stored entries gives empty ones; Default 0 means none.
    ini.WriteInteger("ReturnAddresses", "Count", 3);
    ini.WriteInteger("ReturnAddresses", "Default", 0);
    EXPECT_EQ(c.Load(ini), 0);
    EXPECT_EQ(descriptions(c), QStringList({"", "", "home"}));
    EXPECT_TRUE(c.At(0)->Lines.isEmpty());
    EXPECT_EQ(c.At(c.DefaultIndex), nullptr);
    ini.WriteInteger("ReturnAddresses", "Default", 4);
    c.Load(ini);
    EXPECT_EQ(c.DefaultIndex, 0);
    ini.WriteInteger("ReturnAddresses", "Count", -1);
    EXPECT_EQ(c.Load(ini), -1);
    EXPECT_EQ(c.Count(), 0);
}

// A damaged count must not stall the start-up or the exit: the load stops at
// the most a list box holds, and entries that are stored are still read.
TEST(CatalogLoadTest, HugeStoredCountsLoadAndSaveQuickly)
{
    TQevIniFile ini(iniIn("huge"));
    ini.WriteInteger("Envelopes", "Count", 2000000000);
    ini.WriteString("Envelopes", "envelope7", "Seven");
    ini.WriteInteger("Envelopes", "Envelope9_Height", 2500);
    ini.WriteInteger("ReturnAddresses", "Count", 2000000000);
    ini.WriteString("ReturnAddresses", "Description3", "Three");
    ini.WriteTStrings("ReturnAddresses", "Address2", {"Line"});

    EnvelopeSizeCatalog env;
    env.Load(ini);
    EXPECT_EQ(env.Count(), 32767);
    EXPECT_EQ(env.At(env.Count() - 1)->Name, "Seven");
    int shorter = 0;
    for (const EnvelopeSize &e : env.Entries())
        shorter += e.Dimension.Height == 2.5;
    EXPECT_EQ(shorter, 1);

    ReturnAddressCatalog ra;
    ra.Load(ini);
    EXPECT_EQ(ra.Count(), 32767);
    EXPECT_EQ(ra.At(ra.Count() - 1)->Description, "Three");
    int withLines = 0;
    for (const ReturnAddress &a : ra.Entries())
        withLines += a.Lines == QStringList({"Line"});
    EXPECT_EQ(withLines, 1);

    // A save writes each in one replace of the file, not one per key.
    const int before = ini.ReplaceCount();
    env.Save(ini);
    ra.Save(ini);
    EXPECT_EQ(ini.ReplaceCount(), before + 2);
    EXPECT_EQ(ini.ReadInteger("Envelopes", "Count", 0), 32767);
    EXPECT_EQ(EnvelopeSizeCatalog().Load(ini), env.FDefaultIndex);
    ReturnAddressCatalog back;
    back.Load(ini);
    EXPECT_EQ(back.At(back.Count() - 1)->Description, "Three");
}

// Two running copies on one settings file: a copy writes a catalog at exit only
// when it changed it, or when the file has none yet.
TEST(CatalogSaveTest, TwoCopiesShareOneFile)
{
    const QString path = iniIn("two-copies");
    TQevIniFile firstIni(path), secondIni(path);
    EnvelopeSizeCatalog first, second;
    ReturnAddressCatalog firstRa, secondRa;
    first.Load(firstIni);
    firstRa.Load(firstIni);
    second.Load(secondIni);
    secondRa.Load(secondIni);
    EXPECT_FALSE(first.Modified());
    // A first run writes both built-in catalogs.
    EXPECT_TRUE(first.SaveAtShutdown(firstIni));
    EXPECT_TRUE(firstRa.SaveAtShutdown(firstIni));
    EXPECT_EQ(firstIni.ReadInteger("Envelopes", "Count", 0), 4);
    EXPECT_EQ(firstIni.ReadInteger("ReturnAddresses", "Count", 0), 1);

    // The first copy adds a size and saves it; the second, started earlier and
    // untouched, exits later and keeps it.
    first.Load(firstIni);
    first.Add("Mine");
    EXPECT_TRUE(first.Modified());
    first.Save(firstIni);
    EXPECT_FALSE(first.Modified());
    EXPECT_FALSE(first.SaveAtShutdown(firstIni));
    EXPECT_FALSE(second.SaveAtShutdown(secondIni));
    EXPECT_FALSE(secondRa.SaveAtShutdown(secondIni));
    EnvelopeSizeCatalog check;
    check.Load(secondIni);
    EXPECT_EQ(names(check), QStringList({"Business #10", "Greeting Card", "Mine", "Printer Setup", "Small"}));

    // A copy that changed its catalog writes it whole: the later writer wins.
    second.SetDefaultIndex(3);
    EXPECT_TRUE(second.SaveAtShutdown(secondIni));
    check.Load(firstIni);
    EXPECT_EQ(names(check), QStringList({"Business #10", "Greeting Card", "Printer Setup", "Small"}));
    EXPECT_EQ(defaultName(check), "Small");
}

TEST(CatalogSaveTest, EditsMarkTheCatalogModified)
{
    TQevIniFile ini(iniIn("edits"));
    EnvelopeSizeCatalog c;
    c.Load(ini);
    const auto modifiedBy = [&](const std::function<void()> &edit) {
        c.Load(ini);
        edit();
        return c.Modified();
    };
    // Business #10 (9 x 4, the default), Greeting Card, Printer Setup, Small.
    EXPECT_FALSE(modifiedBy([&] { c.SetDefaultIndex(0); }));
    EXPECT_TRUE(modifiedBy([&] { c.SetDefaultIndex(1); }));
    EXPECT_FALSE(modifiedBy([&] { c.SetGraphicSize(1.0, 1.0); }));
    EXPECT_TRUE(modifiedBy([&] { c.SetGraphicSize(0, 0); }));
    EXPECT_FALSE(modifiedBy([&] { c.SetDimensionFromControls(0, "9.00", "4", "0,0"); }));
    EXPECT_TRUE(modifiedBy([&] { c.SetDimensionFromControls(0, "9.50", "4", "0"); }));
    EXPECT_TRUE(modifiedBy([&] { c.Rename(3, "Tiny"); }));
    EXPECT_TRUE(modifiedBy([&] { c.Delete(3); }));
    EXPECT_FALSE(modifiedBy([&] { c.SetDimensionFromControls(9, "1", "1", "1"); }));
    // A copy taken for a job keeps its values while the catalog is edited.
    c.Load(ini);
    const EnvelopeSize copy = *c.At(0);
    c.SetDimensionFromControls(0, "10", "5", "0.25");
    EXPECT_EQ(c.At(0)->Dimension.Width, 10.0);
    EXPECT_EQ(copy.Dimension.Width, 9.0);

    ReturnAddressCatalog r;
    r.Load(ini);
    EXPECT_FALSE(r.Modified());
    r.SetLines(0, r.At(0)->Lines);
    r.SetDefaultIndex(r.DefaultIndex);
    EXPECT_FALSE(r.Modified());
    r.SetLines(0, {"Someone else"});
    EXPECT_TRUE(r.Modified());
    r.Save(ini);
    EXPECT_FALSE(r.Modified());
    r.SetDefaultIndex(-1);
    EXPECT_TRUE(r.Modified());
    r.Load(ini);
    EXPECT_FALSE(r.Modified());
    EXPECT_TRUE((r.Add("x"), r.Modified()));
}

// What a damaged section shows is written back at exit, whole and in order;
// a sound one is left alone.
TEST(CatalogSaveTest, DamagedSectionsAreWrittenBackNormalised)
{
    TQevIniFile ini(iniIn("damaged"));
    const auto section = [&](const QString &name) {
        QStringList out;
        for (const auto &[key, value] : ini.ReadSectionValues(name))
            out << key + "=" + value;
        return out;
    };
    ini.WriteString("ReturnAddresses", "Count", "-1");
    ReturnAddressCatalog ra;
    EXPECT_EQ(ra.Load(ini), -1);
    EXPECT_TRUE(ra.Modified());
    EXPECT_TRUE(ra.SaveAtShutdown(ini));
    EXPECT_EQ(section("ReturnAddresses"), QStringList({"Count=0", "Default=1"}));

    ini.EraseSection("ReturnAddresses");
    ini.WriteInteger("ReturnAddresses", "Count", 2);
    ini.WriteInteger("ReturnAddresses", "Default", -4);
    ini.WriteString("ReturnAddresses", "Description1", "work");
    ini.WriteString("ReturnAddresses", "Description2", "home");
    ra.Load(ini);
    EXPECT_TRUE(ra.SaveAtShutdown(ini));
    EXPECT_EQ(section("ReturnAddresses"),
              QStringList({"Count=2", "Default=0", "Description1=home", "Address1_Count=0",
                           "Description2=work", "Address2_Count=0"}));
    ra.Load(ini);
    EXPECT_FALSE(ra.SaveAtShutdown(ini));

    EnvelopeSizeCatalog env;
    env.Load(ini);
    env.Save(ini);
    ini.WriteInteger("Envelopes", "Default", 7);
    env.Load(ini);
    EXPECT_TRUE(env.SaveAtShutdown(ini));
    EXPECT_EQ(ini.ReadInteger("Envelopes", "Default", -9), 1);
    EXPECT_FALSE(env.Modified());
}

// Two running copies change one catalog: each change is made to what the file
// holds at that moment, so neither loses the other's.
TEST(CatalogSaveTest, SharedChangesKeepTheOtherCopys)
{
    const QString path = iniIn("shared-changes");
    TQevIniFile firstIni(path), secondIni(path);
    ReturnAddressCatalog first, second;
    first.Load(firstIni);
    first.Save(firstIni);
    second.Load(secondIni);
    second.SetLines(0, {"Edited", "in the second"});

    int at = -2; // the index each change hands to its dialog
    const auto shown = [&](int index) { at = index; };
    first.AddShared(firstIni, {"office", {"A"}}, shown);
    EXPECT_EQ(at, 1);
    second.AddShared(secondIni, {"cabin", {"B"}}, shown);
    EXPECT_EQ(at, 0);
    EXPECT_EQ(descriptions(second), QStringList({"cabin", "home", "office"}));
    EXPECT_EQ(second.At(1)->Lines, QStringList({"Edited", "in the second"}));
    EXPECT_FALSE(second.Modified());

    // The first copy still shows two entries; its indexes name its own.
    first.RenameShared(firstIni, 1, "work", shown);
    EXPECT_EQ(at, 2);
    EXPECT_EQ(descriptions(first), QStringList({"cabin", "home", "work"}));
    first.SetDefaultShared(firstIni, 2, shown);
    EXPECT_EQ(at, 2);
    second.DeleteShared(secondIni, 0, shown);
    EXPECT_EQ(at, 0);
    ReturnAddressCatalog check;
    check.Load(secondIni);
    EXPECT_EQ(descriptions(check), QStringList({"home", "work"}));
    EXPECT_EQ(defaultDescription(check), "work");
    // An entry the other copy deleted meanwhile: nothing happens to the rest.
    first.RenameShared(firstIni, 0, "lake", shown);
    EXPECT_EQ(at, -1);
    EXPECT_EQ(defaultDescription(first), "work");
    EXPECT_EQ(descriptions(first), QStringList({"home", "work"}));

    // Pending edits of sizes and of the graphic size survive a change too.
    EnvelopeSizeCatalog sizes, other;
    sizes.Load(firstIni);
    other.Load(secondIni);
    sizes.SetDimensionFromControls(0, "9.5", "4", "0");
    sizes.SetGraphicSize(2, 2);
    other.AddShared(secondIni, {"Other", {}}, shown);
    EXPECT_TRUE(sizes.SaveAtShutdown(firstIni));
    EnvelopeSizeCatalog after;
    after.Load(firstIni);
    EXPECT_EQ(names(after),
              QStringList({"Business #10", "Greeting Card", "Other", "Printer Setup", "Small"}));
    EXPECT_EQ(after.At(0)->Dimension.Width, 9.5);
    EXPECT_EQ(after.FGraphicX, 2.0);
}

TEST(ReturnAddressCatalogTest, IndexesFollowAddRenameAndDelete)
{
    ReturnAddressCatalog c;
    c.Load(TQevIniFile(iniIn("ra-index")));
    EXPECT_EQ(c.Add("Work"), 1);
    EXPECT_EQ(c.DefaultIndex, 0);
    EXPECT_EQ(c.Add("Aunt"), 0);
    EXPECT_EQ(c.DefaultIndex, 1);
    EXPECT_EQ(defaultDescription(c), "home");

    // Renaming the default carries its lines and its default role.
    EXPECT_EQ(c.Rename(1, "zHome"), 2);
    EXPECT_EQ(defaultDescription(c), "zHome");
    EXPECT_EQ(c.At(2)->Lines.size(), 3);
    EXPECT_EQ(c.Rename(0, "Xmas"), 1); // a neighbour moving past the default's old place
    EXPECT_EQ(defaultDescription(c), "zHome");
    EXPECT_EQ(descriptions(c), QStringList({"Work", "Xmas", "zHome"}));

    EXPECT_EQ(c.Delete(2), 0); // the default: the first becomes the default
    EXPECT_EQ(defaultDescription(c), "Work");
    c.DefaultIndex = 1;
    EXPECT_EQ(c.Delete(0), 0); // before the default
    EXPECT_EQ(defaultDescription(c), "Xmas");

    // Deleting the last entry, then Add: one entry and no default, stored as 2;
    // the next load makes that entry the default.
    EXPECT_EQ(c.Delete(0), -1);
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(c.Add("Office"), 0);
    EXPECT_EQ(c.At(c.DefaultIndex), nullptr);
    TQevIniFile ini(iniIn("ra-last"));
    c.Save(ini);
    EXPECT_EQ(ini.ReadInteger("ReturnAddresses", "Default", 0), 2);
    EXPECT_EQ(ini.ReadInteger("ReturnAddresses", "Count", 0), 1);
    ReturnAddressCatalog back;
    EXPECT_EQ(back.Load(ini), 0);
    EXPECT_EQ(back.DefaultIndex, 0);
}

// Any sequence of adds, renames and deletes keeps both catalogs sorted and the
// default on the same entry (or on the first one after the default is deleted).
TEST(CatalogInvariantTest, RandomEditsKeepOrderAndDefault)
{
    std::mt19937 rng(20240611);
    const QStringList pool = {"", "a", "A", "b", "Home", "home", "Printer Setup", "small", "Zed", "#10", "é"};
    EnvelopeSizeCatalog env;
    ReturnAddressCatalog ra;
    env.Load(TQevIniFile(iniIn("inv")));
    ra.Load(TQevIniFile(iniIn("inv2")));
    double nextTag = 1;
    // The indent tags an envelope entry; rename copies it, so it names the entry.
    for (int i = 0; i < env.Count(); ++i)
        env.SetDimensionFromControls(i, "6", "4", QString::number(nextTag++));
    ra.SetLines(0, {QString::number(nextTag++)});

    auto envTag = [&](int i) { return env.At(i) ? env.At(i)->Dimension.Indent : -1.0; };
    auto raTag = [&](int i) {
        return ra.At(i) && !ra.At(i)->Lines.isEmpty() ? ra.At(i)->Lines[0] : QString();
    };

    for (int step = 0; step < 600; ++step) {
        const QString name = pool[std::uniform_int_distribution<int>(0, pool.size() - 1)(rng)];
        const int op = std::uniform_int_distribution<int>(0, 3)(rng);
        const double envDefault = envTag(env.FDefaultIndex);
        const QString raDefault = raTag(ra.DefaultIndex);
        const int envPick = env.Count() ? std::uniform_int_distribution<int>(0, env.Count() - 1)(rng) : -1;
        const int raPick = ra.Count() ? std::uniform_int_distribution<int>(0, ra.Count() - 1)(rng) : -1;
        const bool envPickedDefault = envPick == env.FDefaultIndex;
        const bool raPickedDefault = raPick == ra.DefaultIndex;
        if (op <= 1) {
            const int at = env.Add(name);
            env.SetDimensionFromControls(at, "6", "4", QString::number(nextTag++));
            const int q = ra.Add(name);
            ra.SetLines(q, {QString::number(nextTag++)});
            EXPECT_EQ(envTag(env.FDefaultIndex), envDefault);
            EXPECT_EQ(raTag(ra.DefaultIndex), raDefault);
        } else if (op == 2 && envPick >= 0 && raPick >= 0) {
            const double renamed = envTag(envPick);
            EXPECT_EQ(envTag(env.Rename(envPick, name)), renamed);
            const QString raRenamed = raTag(raPick);
            EXPECT_EQ(raTag(ra.Rename(raPick, name)), raRenamed);
            EXPECT_EQ(envTag(env.FDefaultIndex), envPickedDefault ? renamed : envDefault);
            EXPECT_EQ(raTag(ra.DefaultIndex), raPickedDefault ? raRenamed : raDefault);
        } else if (op == 3 && envPick >= 0 && raPick >= 0 && env.Count() > 3) {
            env.Delete(envPick);
            ra.Delete(raPick);
            if (envPickedDefault)
                EXPECT_EQ(env.FDefaultIndex, 0);
            else
                EXPECT_EQ(envTag(env.FDefaultIndex), envDefault);
            if (raPickedDefault)
                EXPECT_EQ(ra.DefaultIndex, 0);
            else
                EXPECT_EQ(raTag(ra.DefaultIndex), raDefault);
        }
        for (int i = 1; i < env.Count(); ++i)
            ASSERT_LE(env.At(i - 1)->Name.compare(env.At(i)->Name, Qt::CaseInsensitive), 0) << step;
        for (int i = 1; i < ra.Count(); ++i)
            ASSERT_LE(ra.At(i - 1)->Description.compare(ra.At(i)->Description, Qt::CaseInsensitive), 0)
                << step;
        if (HasFailure())
            break;
    }
}
