#include "contacts/Contact.h"

#include <QCoreApplication>

namespace zentrope {

namespace {

// Text that shows something: not only blanks and control characters.
bool visible(const QString &text)
{
    for (QChar c : text)
        if (!c.isSpace() && c.category() != QChar::Other_Control)
            return true;
    return false;
}

} // namespace

bool PostalAddress::IsEmpty() const
{
    for (const QString *part :
         {&Label, &PoBox, &Extended, &Street, &Locality, &Region, &PostalCode, &Country})
        if (visible(*part))
            return false;
    return true;
}

QString Contact::NameLine() const
{
    const QString fn = FormattedName.trimmed();
    if (!fn.isEmpty())
        return fn;
    const QString given = GivenName.trimmed();
    const QString family = FamilyName.trimmed();
    if (given.isEmpty() || family.isEmpty())
        return given + family;
    return given + QLatin1Char(' ') + family;
}

QString Contact::DisplayName() const
{
    const QString name = NameLine();
    return name.isEmpty() ? Organization.trimmed() : name;
}

int Contact::DefaultAddress() const
{
    int best = -1;
    for (int i = 0; i < Addresses.size(); ++i)
        if (Addresses[i].Preferred() && (best < 0 || Addresses[i].Preference < Addresses[best].Preference))
            best = i;
    if (best >= 0)
        return best;
    for (int i = 0; i < Addresses.size(); ++i)
        if (Addresses[i].Home)
            return i;
    for (int i = 0; i < Addresses.size(); ++i)
        if (Addresses[i].Work)
            return i;
    return Addresses.isEmpty() ? -1 : 0;
}

bool Contact::IsEmpty() const
{
    return !visible(DisplayName()) && Addresses.isEmpty();
}

QString AddressKindName(const PostalAddress &address)
{
    if (!address.Caption.isEmpty())
        return address.Caption;
    if (address.Home)
        return QCoreApplication::translate("zentrope::Contact", "Home");
    if (address.Work)
        return QCoreApplication::translate("zentrope::Contact", "Work");
    return QCoreApplication::translate("zentrope::Contact", "Other");
}

} // namespace zentrope
