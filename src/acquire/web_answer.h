#pragma once
// What every reader of a web source takes from an answer besides the page itself: the
// body only when the server did not answer with an error status, and the server clock
// from its "Date:" header.
#include <string>
#include <string_view>

namespace pk {

// The status code of the raw response headers ("HTTP/1.1 200 OK" gives 200); 0 when
// there is no status line.
int ResponseStatus(std::string_view headers);

// The body, or empty text when the status says the request failed (4xx, 5xx): an
// error page is never read as the page asked for.
std::string UsableBody(std::string body, std::string_view headers);

// The "Date:" header's value as the server clock reads it: the text between "Date:"
// and "GMT", trimmed.
std::string HeaderDateText(std::string_view headers);

}  // namespace pk
