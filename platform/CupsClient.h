#pragma once

#include <cups/cups.h>

// The CUPS client library, loaded when a print job first needs it. Linked to the program, it and the
// libraries it draws in (TLS, Kerberos, service discovery) took 3 MiB and several milliseconds at every
// start, before anything was printed.
namespace platform {

/// The functions of the library that the print queue calls, under their own names.
struct CupsClient {
    decltype(&::cupsAddOption) cupsAddOption;
    decltype(&::cupsCancelJob2) cupsCancelJob2;
    decltype(&::cupsCreateJob) cupsCreateJob;
    decltype(&::cupsDoRequest) cupsDoRequest;
    decltype(&::cupsFinishDocument) cupsFinishDocument;
    decltype(&::cupsFreeDests) cupsFreeDests;
    decltype(&::cupsFreeOptions) cupsFreeOptions;
    decltype(&::cupsGetNamedDest) cupsGetNamedDest;
    decltype(&::cupsLastErrorString) cupsLastErrorString;
    decltype(&::cupsStartDocument) cupsStartDocument;
    decltype(&::cupsUser) cupsUser;
    decltype(&::cupsWriteRequestData) cupsWriteRequestData;
    decltype(&::httpAssembleURIf) httpAssembleURIf;
    decltype(&::ippAddString) ippAddString;
    decltype(&::ippAddStrings) ippAddStrings;
    decltype(&::ippDelete) ippDelete;
    decltype(&::ippFindAttribute) ippFindAttribute;
    decltype(&::ippGetCount) ippGetCount;
    decltype(&::ippGetInteger) ippGetInteger;
    decltype(&::ippGetStatusCode) ippGetStatusCode;
    decltype(&::ippGetString) ippGetString;
    decltype(&::ippNewRequest) ippNewRequest;
    decltype(&::ippPort) ippPort;
};

/// The library's functions, loaded at the first call (again at the next call if that failed). Throws
/// Error with the loader's reason when the library or one of the functions cannot be found.
const CupsClient& cupsClient();

} // namespace platform
