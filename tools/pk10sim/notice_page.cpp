// The makers' online bulletin: each entry a marker, its value and "]". List values are
// separated by ";" or "；", help topics by "||", title and body by "|", and a backslash
// stands for a line break.
#include <string>

#include "pk10sim/pages.h"

namespace pk::sim {

std::string NoticePage(const NoticeContent& content) {
  return "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>pkcalc 在线公告</title>\n</head>\n<body>\n"
         "<p>最新版本-[" + content.version + "]</p>\n"
         "<p>下载地址-[" + content.downloadAddress + "]</p>\n"
         "<p>更新内容-[新增天空计划八码平投;修正自动模式跨日倒计时；优化开奖结果框滚动]</p>\n"
         "<p>温馨提示-[数据仅供参考，请理性投注;每日09:07至23:57开奖，每5分钟一期；自动模式请保持网络畅通]</p>\n"
         "<p>帮助说明-[获取数据|点击“获取”读取最新开奖数据。\\读取完毕后即可点击“自动”。"
         "||自动模式|开奖后20秒自动读取新一期数据，\\倒计时显示在按钮旁。"
         "||演算极限|先更新数据库，再演算极限；\\新的极限在下次启动时生效。"
         "||视频教程|" + content.helpVideoAddress + "]</p>\n"
         "</body>\n</html>\n";
}

std::string DownloadPage(const std::string& version) {
  return "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>pkcalc 下载</title>\n</head>\n<body>\n"
         "<p>pkcalc " + version + " 下载</p>\n</body>\n</html>\n";
}

}  // namespace pk::sim
