#pragma once

#include "document/AddressFile.h"
#include "document/AddressLines.h"
#include "envelope/EnvelopeSizeCatalog.h"
#include "envelope/ReturnAddressCatalog.h"
#include "platform/Graphic.h"
#include "print/page/EnvelopeDesign.h"
#include "settings/QevIniFile.h"

#include <QObject>
#include <QString>
#include <QTextDocument>
#include <optional>

namespace zentrope {

class ProgramSettings;
class TOldFileList;

// Which address box the formatting commands apply to. No underlying type:
// lupdate (Qt 6.4) then loses the classes that follow and files their texts
// under the wrong context.
enum TActiveAddress { aaReturn = 0, aaDestination = 1, aaNone = 2 };

// The questions the document commands ask, and the file dialog they open.
// The window answers them with its message boxes; tests answer them directly.
class ComposerPrompts {
public:
    enum class Answer { Yes, No, Cancel };
    virtual ~ComposerPrompts() = default;
    // A confirmation with Yes, No and Cancel.
    virtual Answer confirm(const QString &question) = 0;
    virtual void inform(const QString &text) = 0;
    virtual void warn(const QString &text) = 0;
    // The Save As dialog, starting in the folder of `current` with its name
    // part offered (nothing for an empty one). Empty: the user cancelled.
    virtual QString saveFileName(const QString &current) = 0;
};

// The envelope being composed: the address document (its text, file, encoding,
// modified and read-only state, the window's caption for it), the return
// address, the chosen envelope size, fonts, corner picture and bar code option,
// and which box the formatting applies to. The chosen size and return address
// are copies of catalog entries, taken when they are chosen: a print job never
// sees the catalogs change under it. Every way of printing takes its pages'
// design from design(). No widgets: the main window shows the two documents in
// its address boxes and forwards the user's commands here; the script options
// build one from the settings and a file.
class EnvelopeComposer : public QObject {
    Q_OBJECT
public:
    EnvelopeComposer(const EnvelopeSizeCatalog &sizes, const ReturnAddressCatalog &returnAddresses,
                     QObject *parent = nullptr);
    ~EnvelopeComposer() override;

    void setPrompts(ComposerPrompts *prompts) { m_prompts = prompts; }
    // The recent files list that a successful open and Save As update.
    void setRecentFiles(TOldFileList *recent) { m_recent = recent; }

    // --- The address document ----------------------------------------------------------------
    QTextDocument *addressDocument() { return &m_address; }
    QTextDocument *returnDocument() { return &m_return; }
    // The text as typed: no-break spaces kept, line breaks as "\n".
    QString addressText() const;
    QString returnText() const;
    // Lines as the address box counts them: a last empty line does not count.
    int lineCount() const;
    EnvelopeList envelopes() const { return SplitEnvelopes(addressText()); }
    const QString &fileName() const { return m_fileName; }
    bool readOnly() const { return m_readOnly; }
    TextEncoding encoding() const { return m_encoding; }
    bool modified() const { return m_address.isModified(); }
    // The main window's caption: set by New, Open and Save As only.
    const QString &title() const { return m_title; }

    // Replaces the whole text: undo history gone, not modified.
    void setText(const QString &text);
    // Adds text at the end as one step the user can undo; false when there
    // is nothing to add. Throws when the document would exceed an address
    // file's capacity.
    bool appendText(const QString &text);

    // --- Document commands (true: done; a failed read or write throws) ------------------------
    // The save question for a modified document; false: the pending action stops.
    bool querySaveChanges();
    // New and Close: after the question, an empty, untitled document.
    bool newDocument();
    // Clear: after the question, an empty text under the same name.
    bool clear();
    // Opens a file without asking (callers ask first where they need to). A
    // missing file is reported and changes nothing.
    bool open(const QString &fileName, bool readOnly);
    bool save();
    bool saveAs();

    // --- The envelope -------------------------------------------------------------------------
    TActiveAddress activeAddress() const { return m_active; }
    void setActiveAddress(TActiveAddress which);
    bool printBarCode() const { return m_printBarCode; }
    void setPrintBarCode(bool on);
    const FontDescription &font(bool returnAddress) const
    {
        return returnAddress ? m_returnFont : m_addressFont;
    }
    void setFont(bool returnAddress, const FontDescription &font);
    // The corner picture as printed (null: none).
    const Graphic &picture() const { return m_picture; }
    void setPicture(const Graphic &picture);

    // The chosen envelope size: its catalog index and a copy of it, taken now
    // (an index outside the catalog chooses none).
    void selectSize(int index);
    int sizeIndex() const { return m_size ? m_sizeIndex : -1; }
    const std::optional<EnvelopeSize> &size() const { return m_size; }
    // The chosen return address, copied into the return document.
    void selectReturnAddress(int index);
    int returnAddressIndex() const { return m_returnIndex; }

    // The fonts and the bar code option as the settings store them; a font's
    // pixel height is read at the given resolution.
    void readSettings(const ProgramSettings &settings, int pixelsPerInch = 96);

    // What every page of a job shares: the size, picture, return address,
    // fonts and options. Throws when no size is chosen.
    EnvelopeDesign design() const;

signals:
    // Anything above changed: the text, its file, the modified flag, the
    // envelope's choices or the active box.
    void changed();
    // The whole text was replaced (open, New, Clear): views put the caret at the start.
    void textReplaced();
    // The recent files list changed.
    void recentFilesChanged();

private:
    // The document named as it is now, for the rollback of a failed save.
    struct Naming {
        QString fileName;
        bool readOnly;
        QString title;
    };
    Naming naming() const { return {m_fileName, m_readOnly, m_title}; }
    void restore(const Naming &n);
    void setTitleFor(const QString &fileName, bool readOnlySuffix);
    void replaceText(const QString &text);
    void openedFile();
    ComposerPrompts &prompts() const;

    const EnvelopeSizeCatalog &m_sizes;
    const ReturnAddressCatalog &m_returnAddresses;
    ComposerPrompts *m_prompts = nullptr;
    TOldFileList *m_recent = nullptr;

    QTextDocument m_address;
    QTextDocument m_return;
    QString m_fileName;
    bool m_readOnly = false;
    TextEncoding m_encoding = TextEncoding::Utf8;
    QString m_title;

    TActiveAddress m_active = aaDestination;
    bool m_printBarCode = true;
    FontDescription m_returnFont;
    FontDescription m_addressFont;
    Graphic m_picture;
    int m_sizeIndex = -1;
    std::optional<EnvelopeSize> m_size;
    int m_returnIndex = -1;
};

} // namespace zentrope
