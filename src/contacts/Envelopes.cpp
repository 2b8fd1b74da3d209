#include "contacts/Envelopes.h"

#include "contacts/AddressFormat.h"

namespace zentrope {

namespace {

void appendLines(QStringList &out, const QString &text)
{
    out += VisibleLines(text);
}

} // namespace

QStringList EnvelopeLines(const Contact &contact, int addressIndex, const QString &homeCountry)
{
    const QString name = VisibleLines(contact.NameLine()).join(QLatin1Char(' '));
    QString org = VisibleLines(contact.Organization).join(QLatin1Char(' '));
    if (org.compare(name, Qt::CaseInsensitive) == 0)
        org.clear();
    QStringList lines;
    if (addressIndex < 0 || addressIndex >= contact.Addresses.size()) {
        appendLines(lines, name);
        appendLines(lines, org);
        return lines;
    }

    const PostalAddress &address = contact.Addresses[addressIndex];
    QStringList body;
    if (!HasUsableParts(address, homeCountry))
        body = LabelLines(address, homeCountry);
    // The destination's layout places the name and the organisation.
    if (body.isEmpty())
        return FormatAddressParts(address, homeCountry, name, org);

    // Labels written by some programs begin with the name the envelope
    // already carries.
    while (!body.isEmpty() && (body.first().compare(name, Qt::CaseInsensitive) == 0 ||
                               (!org.isEmpty() && body.first().compare(org, Qt::CaseInsensitive) == 0)))
        body.removeFirst();
    appendLines(lines, name);
    appendLines(lines, org);
    return lines + body;
}

QString EnvelopeText(const Contact &contact, int addressIndex, const QString &homeCountry)
{
    return EnvelopeLines(contact, addressIndex, homeCountry).join(QLatin1Char('\n'));
}

QList<ImportChoice> DefaultChoices(const QList<Contact> &contacts)
{
    QList<ImportChoice> out;
    for (int i = 0; i < contacts.size(); ++i) {
        const int address = contacts[i].DefaultAddress();
        if (address >= 0)
            out.append({i, address});
    }
    return out;
}

QString ImportedText(const QList<Contact> &contacts, const QList<ImportChoice> &choices,
                     const QString &homeCountry)
{
    QStringList envelopes;
    for (const ImportChoice &choice : choices) {
        if (choice.Contact < 0 || choice.Contact >= contacts.size())
            continue;
        const Contact &contact = contacts[choice.Contact];
        if (choice.Address < 0 || choice.Address >= contact.Addresses.size())
            continue;
        envelopes.append(EnvelopeText(contact, choice.Address, homeCountry));
    }
    return JoinEnvelopes(envelopes);
}

QString JoinEnvelopes(const QStringList &envelopes)
{
    QStringList kept;
    for (const QString &e : envelopes)
        if (!e.trimmed().isEmpty())
            kept.append(e);
    return kept.join(QStringLiteral("\n\n"));
}

QString TextToAppend(const QString &existing, const QString &imported)
{
    if (imported.isEmpty())
        return QString();
    // Lines are trimmed when the text is split into envelopes, so blanks after
    // the last line break count as nothing; count the breaks after the last
    // visible character.
    qsizetype end = existing.size();
    int breaks = 0;
    while (end > 0 && existing[end - 1].isSpace()) {
        const QChar c = existing[end - 1];
        if (c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            // CR LF is one line break.
            if (!(c == u'\r' && end < existing.size() && existing[end] == u'\n'))
                ++breaks;
        }
        --end;
    }
    if (end == 0 || breaks >= 2)
        return imported;
    return QString(2 - breaks, QLatin1Char('\n')) + imported;
}

} // namespace zentrope
