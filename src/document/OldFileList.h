#pragma once

#include "settings/QevIniFile.h"

#include <QAction>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace zentrope {

// The recent files list: at most six file names, newest first, kept in section
// "OldFiles" of the settings file. Names are kept exactly as used, since file
// names on Linux are case-sensitive and may end in blanks.
class TOldFileList : public TStringList {
public:
    static constexpr int MaxFiles = 6;

    // Reads the section from the settings store, which it keeps for its writes.
    explicit TOldFileList(TQevIniFile &ini);

    // Puts the file at the top of the list, drops older duplicates and entries
    // past the sixth, and rewrites the section in one write. A name that
    // cannot be stored is left out, and the list stays as it was.
    void OpenedFile(const QString &FileName);

    // Rebuilds the items after `separator` in `menu`: one per entry, named
    // "OldFile1".., captioned "&1 name" (with "&" in the name doubled), the
    // name itself in the action's data. `onClick` receives the clicked action.
    // A template so that this layer needs no widgets; Menu is a QMenu.
    template <typename Menu, typename Handler>
    void UpdateMenu(Menu *menu, QAction *separator, Handler onClick) const;

    // The file name of a clicked item; empty for anything that is not one.
    static QString GetFilename(QObject *Sender);

    // Empties the other list and copies every entry into it, in order.
    void UpdateOtherList(QStringList &other) const;
    void UpdateOtherList(TStringList &other) const;

    // The caption of entry `index` (0-based).
    static QString Caption(int index, const QString &fileName);
    // Whether a name can be one line of the settings file: no line break, no
    // NUL, no bytes that are not UTF-8 (FileName.h).
    static bool Storable(const QString &fileName);
    // The value that reads back as the name: quoted when it begins or ends
    // with a blank or with a pair of matching quotes.
    static QString StoredValue(const QString &fileName);

private:
    TQevIniFile &m_ini;
};

template <typename Menu, typename Handler>
void TOldFileList::UpdateMenu(Menu *menu, QAction *separator, Handler onClick) const
{
    const QList<QAction *> items = menu->actions();
    const qsizetype k = items.indexOf(separator);
    if (k < 0)
        return;
    for (qsizetype i = items.size() - 1; i > k; --i) {
        QAction *old = items[i];
        menu->removeAction(old);
        // The click that got here may still be running inside this action.
        old->setObjectName(QString());
        old->deleteLater();
    }
    for (int i = 0; i < Count(); ++i) {
        auto *a = new QAction(Caption(i, Items[i]), menu);
        a->setObjectName(QStringLiteral("OldFile%1").arg(i + 1));
        a->setData(Items[i]);
        QObject::connect(a, &QAction::triggered, menu, [a, onClick] { onClick(a); });
        menu->addAction(a);
    }
}

} // namespace zentrope
