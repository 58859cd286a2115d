// The web time page: a script call carrying the milliseconds since 1970 UTC.
#include <string>

#include "pk10sim/pages.h"

namespace pk::sim {

std::string WebTimePage(DateTime operatorNow) {
  const int64_t milliseconds = (operatorNow.seconds - 8 * 3600) * 1000;
  return "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>北京时间</title>\n</head>\n<body>\n"
         "<script type=\"text/javascript\">window.baidu_time(" +
         std::to_string(milliseconds) + ");</script>\n</body>\n</html>\n";
}

}  // namespace pk::sim
