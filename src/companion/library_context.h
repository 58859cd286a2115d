#pragma once
// What the companion library knows of the program around it: where the web sources are
// (the [Sources] of the program's settings file, named by the program after loading the
// library; the default addresses until then), and the text of a message box the library
// raises, kept until the program takes it and shows it. Thread-safe.
#include <string>

#include "base/web_sources.h"

namespace pk {

void SetScraperSources(const WebSources& sources);
// Reads [Sources] of the settings file at iniPath, writing the defaults of missing keys.
void SetScraperSourceFile(const std::string& iniPath);
WebSources ScraperSources();

// A later message replaces an earlier one that was not taken yet.
void KeepLibraryMessage(std::string message);
// The kept message, which is then cleared; empty when there is none.
std::string TakeLibraryMessage();

}  // namespace pk
