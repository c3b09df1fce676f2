#include "platform/CupsClient.h"

#include "platform/Error.h"

#include <QLibrary>
#include <type_traits>

namespace platform {

namespace {

CupsClient loadCupsClient()
{
    // Stays loaded for the rest of the run: a QLibrary unloads only when told to.
    QLibrary library(QStringLiteral("cups"), 2);
    if (!library.load()) throw Error(library.errorString());
    const auto resolve = [&library](auto& function, const char* name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(name));
        if (!function) throw Error(library.errorString());
    };
    CupsClient client{};
    resolve(client.cupsAddOption, "cupsAddOption");
    resolve(client.cupsCancelJob2, "cupsCancelJob2");
    resolve(client.cupsCreateJob, "cupsCreateJob");
    resolve(client.cupsDoRequest, "cupsDoRequest");
    resolve(client.cupsFinishDocument, "cupsFinishDocument");
    resolve(client.cupsFreeDests, "cupsFreeDests");
    resolve(client.cupsFreeOptions, "cupsFreeOptions");
    resolve(client.cupsGetNamedDest, "cupsGetNamedDest");
    resolve(client.cupsLastErrorString, "cupsLastErrorString");
    resolve(client.cupsStartDocument, "cupsStartDocument");
    resolve(client.cupsUser, "cupsUser");
    resolve(client.cupsWriteRequestData, "cupsWriteRequestData");
    resolve(client.httpAssembleURIf, "httpAssembleURIf");
    resolve(client.ippAddString, "ippAddString");
    resolve(client.ippAddStrings, "ippAddStrings");
    resolve(client.ippDelete, "ippDelete");
    resolve(client.ippFindAttribute, "ippFindAttribute");
    resolve(client.ippGetCount, "ippGetCount");
    resolve(client.ippGetInteger, "ippGetInteger");
    resolve(client.ippGetStatusCode, "ippGetStatusCode");
    resolve(client.ippGetString, "ippGetString");
    resolve(client.ippNewRequest, "ippNewRequest");
    resolve(client.ippPort, "ippPort");
    return client;
}

} // namespace

const CupsClient& cupsClient()
{
    static const CupsClient client = loadCupsClient();
    return client;
}

} // namespace platform
