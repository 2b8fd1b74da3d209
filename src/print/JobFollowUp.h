#pragma once

#include <QString>
#include <functional>

namespace zentrope {

// What became of a job after it was handed to CUPS. A queue can accept a job
// and cancel it a moment later (a driverless printer that does not take the
// media, a backend that gives up), or refuse it outright (a queue that
// rejects jobs, a server that went away); the print commands tell the user
// instead of reporting success.

// A few seconds: long enough for a printer to cancel a job it cannot print.
inline constexpr int DefaultFollowBound = 4000;

struct JobOutcome {
    bool Refused = false;
    // CUPS's own words for a refusal: the printer's or the job's state
    // message, else its state reasons, else libcups's last error.
    QString Reason;
};

// This user's newest job on a queue ("queue" or "queue/instance"), finished
// ones included; 0 when there is none or CUPS cannot be asked. Taken before
// a job that CUPS numbers itself (Qt's print engine sends it), so the job
// can be found afterwards.
int NewestJob(const QString &printer);

// The first job of this user on the queue numbered above `after`; 0 when
// none arrived.
int JobAfter(const QString &printer, int after);

// Follows a job until it is completed, cancelled or aborted, or until
// boundMs have passed (a job still pending or processing then counts as
// accepted: a stopped queue or a slow printer is not a refusal). `wait` is
// called between the questions to CUPS with the milliseconds to wait; it
// lets the window's events through. Job 0 is a job that never arrived,
// refused with the queue's reason.
JobOutcome FollowJob(const QString &printer, int job, int boundMs = DefaultFollowBound,
                     const std::function<void(int ms)> &wait = {});

// "The printer X refused the job: reason" as the print commands report it.
QString JobRefusedMessage(const QString &printer, const QString &reason);

} // namespace zentrope
