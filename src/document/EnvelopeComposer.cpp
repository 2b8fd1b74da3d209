#include "document/EnvelopeComposer.h"

#include "core/Error.h"
#include "document/OldFileList.h"
#include "print/page/AddressFont.h"
#include "settings/ProgramSettings.h"

#include <QTextBlock>
#include <QTextCursor>

namespace zentrope {

namespace {

const QString kTitle = QStringLiteral("Zentrope");

QString rawText(const QTextDocument &d)
{
    QString t = d.toRawText();
    t.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    t.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return t;
}

QString readOnlyText(const QString &fileName)
{
    return EnvelopeComposer::tr("File \"%1\" is marked read-only. Save changes in a new file.").arg(fileName);
}

// Asks nothing and chooses nothing: what runs without a window (the script
// options) never reaches a question.
class NoPrompts : public ComposerPrompts {
public:
    Answer confirm(const QString &) override { return Answer::Cancel; }
    void inform(const QString &) override {}
    void warn(const QString &) override {}
    QString saveFileName(const QString &) override { return {}; }
};

} // namespace

EnvelopeComposer::EnvelopeComposer(const EnvelopeSizeCatalog &sizes,
                                   const ReturnAddressCatalog &returnAddresses, QObject *parent)
    : QObject(parent), m_sizes(sizes), m_returnAddresses(returnAddresses), m_title(kTitle)
{
    m_address.setObjectName(QStringLiteral("AddressDocument"));
    m_return.setObjectName(QStringLiteral("ReturnAddressDocument"));
    connect(&m_address, &QTextDocument::contentsChanged, this, &EnvelopeComposer::changed);
    connect(&m_address, &QTextDocument::modificationChanged, this, &EnvelopeComposer::changed);
    connect(&m_return, &QTextDocument::contentsChanged, this, &EnvelopeComposer::changed);
}

EnvelopeComposer::~EnvelopeComposer() = default;

ComposerPrompts &EnvelopeComposer::prompts() const
{
    static NoPrompts none;
    return m_prompts ? *m_prompts : none;
}

QString EnvelopeComposer::addressText() const
{
    return rawText(m_address);
}

QString EnvelopeComposer::returnText() const
{
    return rawText(m_return);
}

int EnvelopeComposer::lineCount() const
{
    int n = m_address.blockCount();
    if (m_address.lastBlock().text().isEmpty())
        --n;
    return n;
}

void EnvelopeComposer::replaceText(const QString &text)
{
    // As an edit box replaces its whole text: no undo back into the old
    // document, and nothing the user must save.
    const bool undo = m_address.isUndoRedoEnabled();
    m_address.setUndoRedoEnabled(false);
    if (text.isEmpty())
        m_address.clear();
    else
        m_address.setPlainText(text);
    m_address.setUndoRedoEnabled(undo);
    m_address.setModified(false);
    emit textReplaced();
}

void EnvelopeComposer::setText(const QString &text)
{
    replaceText(text);
}

bool EnvelopeComposer::appendText(const QString &text)
{
    const QString existing = addressText();
    if (text.isEmpty())
        return false;
    // The box holds no more than an address file may: what it shows can
    // always be saved and opened again.
    if (EncodeAddressText(existing + text, m_encoding).size() > AddressFileCapacity)
        throw ZentropeError(tr("Text exceeds memo capacity."));
    // One edit block: a single Undo takes the whole addition back.
    QTextCursor cursor(&m_address);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    return true;
}

void EnvelopeComposer::setTitleFor(const QString &fileName, bool readOnlySuffix)
{
    // The window title shows "[*]" only when doubled; a file name may hold it.
    QString name = fileName;
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    m_title = kTitle + QStringLiteral(" - ") + name + (readOnlySuffix ? tr(" (read-only)") : QString());
}

void EnvelopeComposer::restore(const Naming &n)
{
    m_fileName = n.fileName;
    m_readOnly = n.readOnly;
    m_title = n.title;
    emit changed();
}

bool EnvelopeComposer::querySaveChanges()
{
    if (!modified())
        return true;
    const QString name = m_fileName.isEmpty() ? tr("Untitled") : m_fileName;
    const ComposerPrompts::Answer answer =
        prompts().confirm(tr("Save changes to envelope file \"%1\"?").arg(name));
    if (answer == ComposerPrompts::Answer::No)
        return true;
    if (answer != ComposerPrompts::Answer::Yes)
        return false;
    // A failed save throws and so ends the pending action. A Save As the user
    // cancels ends it too, with the document as it was: going on would lose
    // the text the user just asked to keep.
    const Naming before = naming();
    if (save())
        return true;
    restore(before);
    return false;
}

bool EnvelopeComposer::newDocument()
{
    if (!querySaveChanges())
        return false;
    replaceText(QString());
    m_fileName.clear();
    m_encoding = TextEncoding::Utf8;
    m_title = kTitle;
    emit changed();
    return true;
}

bool EnvelopeComposer::clear()
{
    if (!querySaveChanges())
        return false;
    replaceText(QString());
    return true;
}

bool EnvelopeComposer::open(const QString &fileName, bool readOnly)
{
    if (!AddressFileExists(fileName)) {
        prompts().warn(tr("Cannot find file \"%1\".").arg(fileName));
        return false;
    }
    // A read that fails throws before anything of the document has changed.
    const AddressText document = ReadAddressFile(fileName);
    m_fileName = fileName;
    m_readOnly = readOnly || AddressFileIsReadOnly(fileName);
    m_encoding = document.Encoding;
    setTitleFor(m_fileName, m_readOnly);
    replaceText(document.Text);
    openedFile();
    emit changed();
    return true;
}

bool EnvelopeComposer::save()
{
    if (m_fileName.isEmpty())
        return saveAs();
    if (m_readOnly) {
        prompts().inform(readOnlyText(m_fileName));
        // Save As offers no name and no folder. Should that save fail, the
        // document keeps the name it had.
        const QString previous = m_fileName;
        m_fileName.clear();
        try {
            return saveAs();
        } catch (...) {
            if (m_fileName.isEmpty())
                m_fileName = previous;
            throw;
        }
    }
    m_encoding = WriteAddressFile(m_fileName, addressText(), m_encoding);
    m_address.setModified(false);
    emit changed();
    return true;
}

bool EnvelopeComposer::saveAs()
{
    QString chosen;
    for (;;) {
        chosen = prompts().saveFileName(m_fileName);
        if (chosen.isEmpty())
            return false;
        if (!AddressFileIsReadOnly(chosen))
            break;
        prompts().warn(readOnlyText(chosen));
    }

    // A save that fails leaves the document named as it was.
    const Naming before = naming();
    m_fileName = chosen;
    m_readOnly = false;
    setTitleFor(m_fileName, false);
    try {
        save();
    } catch (...) {
        restore(before);
        throw;
    }
    openedFile();
    return true;
}

void EnvelopeComposer::openedFile()
{
    if (!m_recent)
        return;
    // A settings write that fails throws here: the list stays as it was and
    // the menu is shown again from it.
    try {
        m_recent->OpenedFile(m_fileName);
    } catch (...) {
        emit recentFilesChanged();
        throw;
    }
    emit recentFilesChanged();
}

void EnvelopeComposer::setActiveAddress(TActiveAddress which)
{
    if (which == m_active)
        return;
    m_active = which;
    emit changed();
}

void EnvelopeComposer::setPrintBarCode(bool on)
{
    if (on == m_printBarCode)
        return;
    m_printBarCode = on;
    emit changed();
}

void EnvelopeComposer::setFont(bool returnAddress, const FontDescription &font)
{
    (returnAddress ? m_returnFont : m_addressFont) = font;
    emit changed();
}

void EnvelopeComposer::setPicture(const Graphic &picture)
{
    m_picture = picture;
    emit changed();
}

void EnvelopeComposer::selectSize(int index)
{
    const EnvelopeSize *size = m_sizes.At(index);
    m_sizeIndex = size ? index : -1;
    if (size)
        m_size = *size;
    else
        m_size.reset();
    emit changed();
}

void EnvelopeComposer::selectReturnAddress(int index)
{
    const ReturnAddress *a = m_returnAddresses.At(index);
    m_returnIndex = a ? index : -1;
    const QString text = a ? a->Lines.join(QLatin1Char('\n')) : QString();
    if (text != returnText())
        m_return.setPlainText(text);
    emit changed();
}

void EnvelopeComposer::readSettings(const ProgramSettings &settings, int pixelsPerInch)
{
    m_printBarCode = settings.PrintBarCode();
    for (const bool returnAddress : {true, false}) {
        FontDescription f;
        f.PixelsPerInch = pixelsPerInch;
        settings.ReadAddressFont(returnAddress, f);
        (returnAddress ? m_returnFont : m_addressFont) = f;
    }
    emit changed();
}

EnvelopeDesign EnvelopeComposer::design() const
{
    if (!m_size)
        throw ZentropeError(tr("No envelope size is chosen."));
    EnvelopeDesign design;
    design.SizeName = m_size->Name;
    design.Dimension = m_size->Dimension;
    design.Picture = m_picture;
    design.GraphicX = m_sizes.FGraphicX;
    design.GraphicY = m_sizes.FGraphicY;
    design.ReturnFont = AddressPageFont(m_returnFont);
    design.ReturnLines = MemoLines(returnText());
    design.AddressFont = AddressPageFont(m_addressFont);
    design.PrintBarCode = m_printBarCode;
    return design;
}

} // namespace zentrope
