#include "AppFixture.h"

#include "app/controls/Controls.h"
#include "app/dialogs/DlgEnvelopeSizes.h"
#include "app/dialogs/DlgReturnAddresses.h"
#include "app/dialogs/FormPrintStatus.h"
#include "app/help/HelpWindow.h"
#include "app/preview/PrintPreviewWindow.h"
#include "shell/ProgramLanguage.h"
#include "support/CupsServer.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

using namespace zentrope;
using namespace zentrope::test;

namespace {

// Every window and dialog of the program, opened the way the user opens it.
class EveryWindow : public AppFixture {
protected:
    using Look = std::function<void(QWidget &)>;

    void SetUp() override
    {
        AppFixture::SetUp();
        cups = CupsServer::shared(&whyNot);
    }

    // Starts the program and hands each window to `look` while it shows.
    void visit(const Look &check)
    {
        // With ZENTROPE_TEST_SCREENSHOTS set, each window is also saved as a
        // picture there: the default font first, then the larger one.
        const Look look = [&](QWidget &w) {
            if (!shots.isEmpty()) {
                QString shot =
                    shots + QStringLiteral("/%1-%2").arg(w.objectName(), ProgramLanguage::Current());
                if (QFile::exists(shot + QStringLiteral(".png")))
                    shot += QStringLiteral("-large");
                w.grab().save(shot + QStringLiteral(".png"));
            }
            check(w);
        };
        start();
        look(*main);
        const auto answer = [&look](std::function<void(QDialog &)> inside = {}) {
            Prompt::push([&look, inside](QDialog &d) {
                look(d);
                if (inside)
                    inside(d);
                return qobject_cast<MessageDialog *>(&d) ? int(Prompt::Cancel) : int(QDialog::Rejected);
            });
        };
        answer([&](QDialog &d) {
            auto &sizes = static_cast<TDlgEnvelopeSizes &>(d);
            answer();
            sizes.AddBtn->click();
            answer();
            sizes.RenameBtn->click();
        });
        find("OptionsEnvelope")->trigger();
        answer([&](QDialog &d) {
            answer();
            static_cast<TDlgReturnAddresses &>(d).AddBtn->click();
        });
        find("OptionsReturnAddresses")->trigger();
        answer();
        find("HelpAbout")->trigger();
        answer();
        find("OptionsFontAddress")->trigger();
        if (cups) {
            answer([&](QDialog &d) {
                answer();
                d.findChild<QPushButton *>(QStringLiteral("EnvelopeFeedBtn"))->click();
            });
            find("FilePrintSetup")->trigger();
        }
        // A contact file whose columns are asked for, then one that is not.
        const QString club = dir + QStringLiteral("/club.csv");
        QFile csv(club);
        EXPECT_TRUE(csv.open(QIODevice::WriteOnly));
        csv.write("Mitglied;Strasse;Hausnummer;PLZ;Ort\nHans Meier;Lindenweg;3;80331;Muenchen\n");
        csv.close();
        for (const QString &file : {club, contactSample("google.csv")}) {
            Prompt::push([file](QDialog &d) {
                static_cast<QFileDialog &>(d).selectFile(file);
                return int(QDialog::Accepted);
            });
            answer();
            find("FileImportAddresses")->trigger();
        }
        TFormPrintStatus *status = session->PrintStatusWindow();
        status->show();
        look(*status);
        status->hide();
        find<MemoControl>("MemoAddress")
            ->setText(QStringLiteral("Jane Doe\n1742 Elm Street\nAnytown, ST 12345"));
        main->UpdateMenu(main);
        find("FilePrintPreview")->trigger();
        if (auto *preview = main->findChild<PrintPreviewWindow *>(QStringLiteral("PrintPreviewWindow"))) {
            look(*preview);
            preview->close();
        }
        // A question: the changed address is not saved.
        auto *memo = find<MemoControl>("MemoAddress");
        memo->setModified(true);
        answer();
        find("FileNew")->trigger();
        memo->setModified(false);
        ASSERT_EQ(Prompt::pending(), 0) << "a window did not open";
        find("HelpContents")->trigger();
        look(*session->Help().Window());
        session->Help().Window()->close();
        // Back to the main window with the focus in the address box.
        main->activateWindow();
        main->FormActivate(main);
        look(*main);
    }

    CupsServer *cups = nullptr;
    QString whyNot;
    QString shots = qEnvironmentVariable("ZENTROPE_TEST_SCREENSHOTS");
};

// The part of `text` a label, button or box cannot show; empty when all of it shows.
std::string cutShort(QWidget &w)
{
    QString text;
    if (auto *l = qobject_cast<QLabel *>(&w)) {
        // Word-wrapped labels take the lines they need; the hint line shows what fits.
        if (l->wordWrap() || w.objectName() == QLatin1String("PanelHints"))
            return {};
        text = l->text();
    } else if (qobject_cast<QPushButton *>(&w) || qobject_cast<QCheckBox *>(&w) ||
               qobject_cast<QRadioButton *>(&w)) {
        text = static_cast<QAbstractButton &>(w).text();
    } else {
        return {};
    }
    if (text.trimmed().isEmpty())
        return {};
    const QSize need = w.sizeHint();
    if (w.width() >= need.width() && w.height() >= w.fontMetrics().height())
        return {};
    return QStringLiteral("%1 \"%2\" is %3x%4, needs %5x%6")
        .arg(w.objectName(), text)
        .arg(w.width())
        .arg(w.height())
        .arg(need.width())
        .arg(w.fontMetrics().height())
        .toStdString();
}

// A focusable control's problem for a screen reader: no name, or its value as its name.
std::string unnamed(QAccessibleInterface *a)
{
    const QString name = a->text(QAccessible::Name).trimmed();
    const QString value = a->text(QAccessible::Value).trimmed();
    // A list's value is its own name; a control named for what it is may
    // happen to hold a value of the same words.
    const auto *w = qobject_cast<const QWidget *>(a->object());
    if (!name.isEmpty() && (name != value || (w && !w->accessibleName().isEmpty())))
        return {};
    const QObject *o = a->object();
    return QStringLiteral("%1 %2 (role %3): name \"%4\", value \"%5\"")
        .arg(o ? QString::fromLatin1(o->metaObject()->className()) : QStringLiteral("item"),
             o                                      ? o->objectName()
             : a->parent() && a->parent()->object() ? a->parent()->object()->objectName()
                                                    : QString())
        .arg(int(a->role()))
        .arg(name, value)
        .toStdString();
}

// The focusable controls of an accessibility tree, list and table cells included.
void walk(QAccessibleInterface *a, const std::function<void(QAccessibleInterface *)> &seen, int depth = 0)
{
    if (!a || depth > 12)
        return;
    const QAccessible::State s = a->state();
    if (s.invisible)
        return;
    if (s.focusable)
        seen(a);
    // A long list is checked by its first rows.
    const int children = std::min(a->childCount(), 40);
    for (int i = 0; i < children; ++i)
        walk(a->child(i), seen, depth + 1);
}

} // namespace

TEST_F(EveryWindow, NoCaptionIsCutShortInAnyLanguageOrAtALargerFont)
{
    const QFont normal = QApplication::font();
    QStringList languages{QStringLiteral("en")};
    languages << ProgramLanguage::Translated();
    int windows = 0;
    for (const QString &language : languages) {
        for (const bool large : {false, true}) {
            const ProgramLanguage installed(language);
            QFont f = normal;
            if (large)
                f.setPointSizeF(normal.pointSizeF() * 1.4);
            QApplication::setFont(f);
            visit([&](QWidget &window) {
                ++windows;
                QApplication::processEvents();
                // The return address buttons show their glyphs beside whole captions.
                if (window.objectName() == QLatin1String("DlgReturnAddresses"))
                    for (const char *b : {"AddBtn", "RenameBtn", "DeleteBtn", "DefaultBtn"})
                        EXPECT_FALSE(window.findChild<QPushButton *>(QLatin1String(b))->icon().isNull())
                            << language.toStdString() << " " << b;
                for (QWidget *w : window.findChildren<QWidget *>()) {
                    if (!w->isVisibleTo(&window))
                        continue;
                    const std::string cut = cutShort(*w);
                    EXPECT_TRUE(cut.empty()) << language.toStdString() << (large ? " large " : " ")
                                             << window.objectName().toStdString() << ": " << cut;
                }
            });
            shutdown();
            QApplication::setFont(normal);
        }
    }
    EXPECT_GE(windows, 8 * (cups ? 15 : 13));
}

TEST_F(EveryWindow, EveryFocusableControlHasANameThatIsNotItsValue)
{
    int named = 0;
    QSet<QString> windows;
    visit([&](QWidget &window) {
        QApplication::processEvents();
        windows.insert(window.objectName());
        walk(QAccessible::queryAccessibleInterface(&window), [&](QAccessibleInterface *a) {
            const std::string problem = unnamed(a);
            EXPECT_TRUE(problem.empty()) << window.objectName().toStdString() << ": " << problem;
            named += problem.empty();
        });
    });
    std::cout << "[ named    ] " << named << " focusable controls in " << windows.size() << " windows\n";
    EXPECT_GE(windows.size(), cups ? 13 : 11);
}
