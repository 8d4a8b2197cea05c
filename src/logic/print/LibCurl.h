#pragma once

#include <QString>
#include <curl/curl.h>

// The functions of libcurl the mail calls. libcurl is opened with the first mail: with the
// libraries it links (TLS, Kerberos, LDAP, SSH...) it took longer to load than the rest of a
// command's start.
struct LibCurlFunctions {
    decltype(&::curl_easy_cleanup) easy_cleanup = nullptr;
    decltype(&::curl_easy_init) easy_init = nullptr;
    decltype(&::curl_easy_perform) easy_perform = nullptr;
    decltype(&::curl_easy_setopt) easy_setopt = nullptr;
    decltype(&::curl_easy_strerror) easy_strerror = nullptr;
    decltype(&::curl_global_init) global_init = nullptr;
    decltype(&::curl_mime_addpart) mime_addpart = nullptr;
    decltype(&::curl_mime_data) mime_data = nullptr;
    decltype(&::curl_mime_encoder) mime_encoder = nullptr;
    decltype(&::curl_mime_filedata) mime_filedata = nullptr;
    decltype(&::curl_mime_filename) mime_filename = nullptr;
    decltype(&::curl_mime_free) mime_free = nullptr;
    decltype(&::curl_mime_headers) mime_headers = nullptr;
    decltype(&::curl_mime_init) mime_init = nullptr;
    decltype(&::curl_mime_type) mime_type = nullptr;
    decltype(&::curl_slist_append) slist_append = nullptr;
    decltype(&::curl_slist_free_all) slist_free_all = nullptr;
};

// libcurl's functions; nullptr when the library cannot be opened, *failure then saying why
// (in Greek, the loader's words included).
const LibCurlFunctions* LibCurl(QString* failure = nullptr);
