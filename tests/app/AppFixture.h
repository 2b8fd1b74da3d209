#pragma once

#include "app/mainwindow/FormStampMain.h"
#include "app/help/HelpDesk.h"
#include "app/session/Session.h"
#include "app/prompt/Prompt.h"
#include "app/controls/Scale.h"
#include "settings/QevIniFile.h"
#include "support/CupsServer.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace zentrope::test {

// Builds the real program in-process against a settings file in a fresh
// folder, at the design resolution, with every dialog answered by the script.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Scale::setFixedDpi(120);
        Prompt::reset();
        Prompt::setScripted(true);
        dir = freshDir(QStringLiteral("app"));
        iniPath = dir + QStringLiteral("/zentrope.ini");
    }

    void TearDown() override
    {
        if (session)
            session->Shutdown();
        session.reset();
        EXPECT_EQ(Prompt::unexpected(), 0) << "a dialog came up that the test did not expect";
        EXPECT_EQ(Prompt::pending(), 0) << "an expected dialog did not come up";
        Prompt::reset();
        Prompt::setScripted(false);
    }

    // Starts the program (hidden windows, command line); shows the main window
    // and activates it as the loop would, unless told not to, and finishes it
    // as the loop does after the first paint.
    TFormStampMain *start(const QStringList &args = {}, bool show = true)
    {
        session = std::make_unique<ZentropeSession>();
        session->Start(StartOptions{args, dir + QStringLiteral("/zentrope"), iniPath});
        main = session->MainWindow();
        if (show) {
            main->show();
            QApplication::processEvents();
            main->FormActivate(main);
        }
        main->AfterFirstPaint();
        return main;
    }

    void shutdown()
    {
        session->Shutdown();
        session.reset();
        main = nullptr;
    }

    // The session's printer; between sessions, a printer of the test's own.
    PrinterDevice &Printer()
    {
        if (session)
            return *session->State().Printer;
        if (!spare)
            spare = std::make_unique<PrinterDevice>();
        return *spare;
    }

    template <typename T = QAction> T *find(const char *name)
    {
        T *o = main->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(o, nullptr) << "no " << name;
        return o;
    }

    QString ini(const QString &section, const QString &key, const QString &def = QStringLiteral("<absent>"))
    {
        return TIniFile(iniPath).ReadString(section, key, def);
    }

    // Answers the next message box with a button; checks its text when given.
    static void answerMessage(int button, const QString &expectText = {})
    {
        Prompt::push([button, expectText](QDialog &d) {
            auto *m = qobject_cast<MessageDialog *>(&d);
            EXPECT_NE(m, nullptr) << "expected a message box, got " << d.objectName().toStdString();
            if (m && !expectText.isNull()) {
                EXPECT_EQ(m->text().toStdString(), expectText.toStdString());
            }
            return button;
        });
    }

    // The open dialog picks a file, with or without its read-only box.
    static void answerOpen(const QString &path, bool readOnly = false)
    {
        Prompt::push([path, readOnly](QDialog &d) {
            auto *fd = qobject_cast<QFileDialog *>(&d);
            EXPECT_EQ(d.objectName().toStdString(), "OpenFileDialog");
            if (!fd)
                return int(QDialog::Rejected);
            auto *box = fd->findChild<QCheckBox *>(QStringLiteral("ReadOnlyCheckBox"));
            EXPECT_NE(box, nullptr);
            if (box)
                box->setChecked(readOnly);
            fd->selectFile(path);
            return int(QDialog::Accepted);
        });
    }

    QString dir;
    QString iniPath;
    std::unique_ptr<ZentropeSession> session;
    TFormStampMain *main = nullptr;
    std::unique_ptr<PrinterDevice> spare;
};

// A window test that prints: on the private CUPS server, else skipped.
class CupsAppFixture : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        cups = CupsServer::shared(&whyNot);
        if (!cups)
            GTEST_SKIP() << "private CUPS server unavailable: " << whyNot.toStdString();
        cups->clearReceived();
    }

    CupsServer *cups = nullptr;
    QString whyNot;
};

} // namespace zentrope::test
