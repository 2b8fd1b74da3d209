// The libcups functions this program calls, loaded at their first call.
//
// Linked directly, libcups brings 19 more shared objects (gnutls, krb5, avahi
// ...) into every start: about 2 ms of loading and relocation before the main
// window can show or a PDF is written, though most starts print nothing. Each
// function here has the header's own signature (the compiler checks it against
// the declaration) and hands the call to the same function of libcups.so.2,
// opened once.

#include <QtGlobal>

#include <cups/cups.h>
#include <cups/ppd.h>
#include <dlfcn.h>

namespace {

void *cupsLibrary()
{
    static void *const handle = [] {
        void *h = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!h)
            qFatal("zentrope: cannot load the printing system: %s", dlerror());
        return h;
    }();
    return handle;
}

// The library's own function of that name: dlsym on the handle searches
// libcups and its dependencies only, never these forwarders.
template <typename Function> Function *cupsFunction(const char *name)
{
    void *f = dlsym(cupsLibrary(), name);
    if (!f)
        qFatal("zentrope: the printing system lacks %s", name);
    return reinterpret_cast<Function *>(f);
}

} // namespace

#define ZENTROPE_CUPS(Result, name, params, args)                                                            \
    Result name params                                                                                       \
    {                                                                                                        \
        static const auto f = cupsFunction<Result params>(#name);                                            \
        return f args;                                                                                       \
    }

extern "C" {
ZENTROPE_CUPS(int, cupsAddOption, (const char *name, const char *value, int num, cups_option_t **options),
              (name, value, num, options))
ZENTROPE_CUPS(ipp_status_t, cupsCancelJob2, (http_t * http, const char *name, int job, int purge),
              (http, name, job, purge))
ZENTROPE_CUPS(cups_dinfo_t *, cupsCopyDestInfo, (http_t * http, cups_dest_t *dest), (http, dest))
ZENTROPE_CUPS(int, cupsCreateJob,
              (http_t * http, const char *name, const char *title, int num, cups_option_t *options),
              (http, name, title, num, options))
ZENTROPE_CUPS(ipp_t *, cupsDoRequest, (http_t * http, ipp_t *request, const char *resource),
              (http, request, resource))
ZENTROPE_CUPS(ipp_attribute_t *, cupsFindDestSupported,
              (http_t * http, cups_dest_t *dest, cups_dinfo_t *info, const char *option),
              (http, dest, info, option))
ZENTROPE_CUPS(ipp_status_t, cupsFinishDocument, (http_t * http, const char *name), (http, name))
ZENTROPE_CUPS(void, cupsFreeDestInfo, (cups_dinfo_t * info), (info))
ZENTROPE_CUPS(void, cupsFreeDests, (int num, cups_dest_t *dests), (num, dests))
ZENTROPE_CUPS(void, cupsFreeJobs, (int num, cups_job_t *jobs), (num, jobs))
ZENTROPE_CUPS(void, cupsFreeOptions, (int num, cups_option_t *options), (num, options))
ZENTROPE_CUPS(int, cupsGetDestMediaByIndex,
              (http_t * http, cups_dest_t *dest, cups_dinfo_t *info, int n, unsigned flags,
               cups_size_t *size),
              (http, dest, info, n, flags, size))
ZENTROPE_CUPS(int, cupsGetDestMediaCount,
              (http_t * http, cups_dest_t *dest, cups_dinfo_t *info, unsigned flags),
              (http, dest, info, flags))
ZENTROPE_CUPS(int, cupsGetJobs2, (http_t * http, cups_job_t **jobs, const char *name, int mine, int which),
              (http, jobs, name, mine, which))
ZENTROPE_CUPS(cups_dest_t *, cupsGetNamedDest, (http_t * http, const char *name, const char *instance),
              (http, name, instance))
ZENTROPE_CUPS(const char *, cupsGetPPD, (const char *name), (name))
ZENTROPE_CUPS(ipp_status_t, cupsLastError, (void), ())
ZENTROPE_CUPS(const char *, cupsLastErrorString, (void), ())
ZENTROPE_CUPS(http_status_t, cupsStartDocument,
              (http_t * http, const char *name, int job, const char *document, const char *format, int last),
              (http, name, job, document, format, last))
ZENTROPE_CUPS(const char *, cupsUser, (void), ())
ZENTROPE_CUPS(http_status_t, cupsWriteRequestData, (http_t * http, const char *buffer, size_t length),
              (http, buffer, length))
ZENTROPE_CUPS(http_uri_status_t, httpAssembleURI,
              (http_uri_coding_t coding, char *uri, int size, const char *scheme, const char *user,
               const char *host, int port, const char *resource),
              (coding, uri, size, scheme, user, host, port, resource))
ZENTROPE_CUPS(ipp_attribute_t *, ippAddInteger,
              (ipp_t * ipp, ipp_tag_t group, ipp_tag_t tag, const char *name, int value),
              (ipp, group, tag, name, value))
ZENTROPE_CUPS(ipp_attribute_t *, ippAddString,
              (ipp_t * ipp, ipp_tag_t group, ipp_tag_t tag, const char *name, const char *language,
               const char *value),
              (ipp, group, tag, name, language, value))
ZENTROPE_CUPS(ipp_attribute_t *, ippAddStrings,
              (ipp_t * ipp, ipp_tag_t group, ipp_tag_t tag, const char *name, int num, const char *language,
               const char *const *values),
              (ipp, group, tag, name, num, language, values))
ZENTROPE_CUPS(void, ippDelete, (ipp_t * ipp), (ipp))
ZENTROPE_CUPS(ipp_attribute_t *, ippFindAttribute, (ipp_t * ipp, const char *name, ipp_tag_t tag),
              (ipp, name, tag))
ZENTROPE_CUPS(int, ippGetBoolean, (ipp_attribute_t * attr, int element), (attr, element))
ZENTROPE_CUPS(int, ippGetCount, (ipp_attribute_t * attr), (attr))
ZENTROPE_CUPS(int, ippGetInteger, (ipp_attribute_t * attr, int element), (attr, element))
ZENTROPE_CUPS(const char *, ippGetString, (ipp_attribute_t * attr, int element, const char **language),
              (attr, element, language))
ZENTROPE_CUPS(ipp_t *, ippNewRequest, (ipp_op_t op), (op))
ZENTROPE_CUPS(int, pwgFormatSizeName,
              (char *keyword, size_t size, const char *prefix, const char *name, int width, int length,
               const char *units),
              (keyword, size, prefix, name, width, length, units))
ZENTROPE_CUPS(pwg_media_t *, pwgMediaForPWG, (const char *pwg), (pwg))
ZENTROPE_CUPS(pwg_media_t *, pwgMediaForSize, (int width, int length), (width, length))
ZENTROPE_CUPS(void, ppdClose, (ppd_file_t * ppd), (ppd))
ZENTROPE_CUPS(ppd_choice_t *, ppdFindChoice, (ppd_option_t * option, const char *choice), (option, choice))
ZENTROPE_CUPS(ppd_option_t *, ppdFindOption, (ppd_file_t * ppd, const char *keyword), (ppd, keyword))
ZENTROPE_CUPS(ppd_file_t *, ppdOpenFile, (const char *file), (file))
}
