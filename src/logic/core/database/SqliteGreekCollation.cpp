#include "logic/core/database/SqliteGreekCollation.h"

#ifdef ORVA_SQLITE_EXTENSION
// In the loadable extension SQLite is reached through the routines the loading program hands
// over, whichever SQLite that program carries.
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT3
#else
#include <sqlite3.h>
#endif

#include <algorithm>
#include <cstring>
#include <memory>
#include <unicode/ucol.h>
#include <unicode/ustring.h>
#include <utility>

// The comparison is ICU's Greek collator as QCollator sets it up (canonical equivalents
// equal, tertiary strength), called through ICU itself: SQLite hands a file's text over as
// UTF-8, which only ICU compares without first converting it, and a name index of a large
// table takes millions of comparisons.

namespace {

struct CollatorClose {
    void operator()(UCollator* collator) const { ucol_close(collator); }
};
using Collator = std::unique_ptr<UCollator, CollatorClose>;

Collator openGreekCollator() {
    UErrorCode status = U_ZERO_ERROR;
    Collator collator(ucol_open("el_GR", &status));
    if (U_FAILURE(status))
        return nullptr;
    ucol_setAttribute(collator.get(), UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
    return U_SUCCESS(status) ? std::move(collator) : nullptr;
}

// Texts the collator takes as equal follow their characters' code points.
int byCodePoints(const void* left, int leftBytes, const void* right, int rightBytes) {
    const int common = std::min(leftBytes, rightBytes);
    const int order = std::memcmp(left, right, size_t(common));
    return order != 0 ? order : leftBytes - rightBytes;
}

int compareUtf8(void* collator, int leftBytes, const void* left, int rightBytes, const void* right) {
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult order =
        ucol_strcollUTF8(static_cast<const UCollator*>(collator), static_cast<const char*>(left), leftBytes,
                         static_cast<const char*>(right), rightBytes, &status);
    return order != UCOL_EQUAL ? int(order) : byCodePoints(left, leftBytes, right, rightBytes);
}

int compareUtf16(void* collator, int leftBytes, const void* left, int rightBytes, const void* right) {
    const auto* l = static_cast<const UChar*>(left);
    const auto* r = static_cast<const UChar*>(right);
    const int32_t leftLength = leftBytes / 2;
    const int32_t rightLength = rightBytes / 2;
    const UCollationResult order =
        ucol_strcoll(static_cast<const UCollator*>(collator), l, leftLength, r, rightLength);
    return order != UCOL_EQUAL ? int(order) : u_strCompare(l, leftLength, r, rightLength, true);
}

void closeCollator(void* collator) {
    ucol_close(static_cast<UCollator*>(collator));
}

} // namespace

bool RegisterGreekCollation(sqlite3* handle) {
    // SQLite calls the form that matches the file's text encoding. Each connection has
    // collators of its own: a connection is used by one thread at a time.
    const std::pair<int, int (*)(void*, int, const void*, int, const void*)> forms[] = {
        {SQLITE_UTF8, compareUtf8}, {SQLITE_UTF16_ALIGNED, compareUtf16}};
    for (const auto& [encoding, compare] : forms) {
        Collator collator = openGreekCollator();
        if (!collator || sqlite3_create_collation_v2(handle, "GREEK", encoding, collator.get(), compare,
                                                     closeCollator) != SQLITE_OK)
            return false;
        static_cast<void>(collator.release()); // the connection closes it
    }
    return true;
}
