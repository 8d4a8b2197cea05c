#pragma once

#include <QString>

// The labour ministry's e-services site as the program sees it: the address scheme of its
// pages and the names of the form fields it fills. The site keeps its session in the
// address: every page after the first lies under base + "/(S(" + a 24-character key + "))".
namespace Eservices {

inline constexpr int SessionIdLength = 24;

// Form fields, looked up by name in the first form of a page.
extern const QString UserNameField;
extern const QString PasswordField;
extern const QString LoginButton;
extern const QString BranchField;
extern const QString AfmField;
extern const QString HoursField;
extern const QString RemarksField;

// The pages recognised by their loaded address.
enum class Page { Other, Login, Home, Entry, LoggedOut };

// The base address from the setting in the form the browser reports addresses in: scheme
// and host in small letters, no default port, no trailing slash. "" for an empty setting.
QString NormaliseBase(const QString& setting);

// An address with the hex digits of its percent escapes in capitals, so that "%2f" and
// "%2F" (the same character) compare equal.
QString NormaliseEscapes(const QString& address);

// Which page an address is, with base the normalised base address. Each test is a prefix
// test on base + "/(S(" and a suffix test on the page's own ending.
Page Recognise(const QString& base, const QString& address);

// The key that follows base + "/(S(" (up to 24 characters; "" when the address does not
// begin so).
QString SessionIdIn(const QString& base, const QString& address);

// The address of the entry page within a session.
QString EntryPageAddress(const QString& base, const QString& sessionId);

// Any address of the proof of submission.
bool IsProofAddress(const QString& address);
// The address through which the site opens the proof in a new window: base +
// "//SK/SygkentrwtikhPararthmatosPrintPDF.aspx?" and a query (two slashes, no session key).
bool IsProofOpening(const QString& base, const QString& address);

} // namespace Eservices
