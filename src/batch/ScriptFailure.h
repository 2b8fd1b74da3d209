#pragma once

#include "core/Error.h"

namespace zentrope {

// The exit statuses of the script options.
enum ScriptStatus : int {
    ScriptDone = 0,
    ScriptBadUsage = 2,     // unknown option, missing or wrong value, no such size or return address
    ScriptBadInput = 3,     // an input file missing, unreadable, too big or without an address
    ScriptOutputFailed = 4, // no such printer, a printing failure, a PDF that cannot be written
};

// An error that ends a script run with its exit status; the message is the
// one line it writes on standard error.
class ScriptFailure : public ZentropeError {
public:
    ScriptFailure(ScriptStatus status, const QString &message) : ZentropeError(message), m_status(status) {}
    ScriptStatus status() const noexcept { return m_status; }

private:
    ScriptStatus m_status;
};

} // namespace zentrope
