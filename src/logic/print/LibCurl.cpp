#include "logic/print/LibCurl.h"

#include "logic/core/program/LateLibrary.h"

namespace {

void bind(LateLibrary& library, LibCurlFunctions& functions) {
    library.bind(functions.easy_cleanup, "curl_easy_cleanup");
    library.bind(functions.easy_init, "curl_easy_init");
    library.bind(functions.easy_perform, "curl_easy_perform");
    library.bind(functions.easy_setopt, "curl_easy_setopt");
    library.bind(functions.easy_strerror, "curl_easy_strerror");
    library.bind(functions.global_init, "curl_global_init");
    library.bind(functions.mime_addpart, "curl_mime_addpart");
    library.bind(functions.mime_data, "curl_mime_data");
    library.bind(functions.mime_encoder, "curl_mime_encoder");
    library.bind(functions.mime_filedata, "curl_mime_filedata");
    library.bind(functions.mime_filename, "curl_mime_filename");
    library.bind(functions.mime_free, "curl_mime_free");
    library.bind(functions.mime_headers, "curl_mime_headers");
    library.bind(functions.mime_init, "curl_mime_init");
    library.bind(functions.mime_type, "curl_mime_type");
    library.bind(functions.slist_append, "curl_slist_append");
    library.bind(functions.slist_free_all, "curl_slist_free_all");
}

} // namespace

const LibCurlFunctions* LibCurl(QString* failure) {
    return LateFunctions<LibCurlFunctions, bind>("libcurl.so.4", failure);
}
