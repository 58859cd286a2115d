#pragma once
// The state of every window and control as JSON, for the command-line front end and
// the tests. Windows and controls appear in creation order:
//
// { "MainWindow": { "kind": "window", "caption": ..., "visible": ..., "enabled": ...,
//                   "left", "top", "width", "height", "tag", "state",
//                   "controls": { "<control name>": { "kind": ..., ... }, ... } }, ... }
//
// Per kind:
//   grid      {"kind":"grid","rows":[[texts]],"bg":{"r,c":colour},"fg":{"r,c":colour}}
//             (only cells with a colour set appear in bg and fg)
//   list      {"kind":"list","rows":[[texts]]}
//   chart     {"kind":"chart","title":...,"points":[[caption,value]]}
//   button, radio, check   {"kind":...,"text","enabled","visible","checked"}
//   label, edit            {"kind":...,"text","enabled","visible"}
//   timer     {"kind":"timer","period":ms}
//   balloon   {"kind":"balloon","shown":[texts]}
//   statusbar {"kind":"statusbar","parts":[texts]}
//   tray      {"kind":"tray","icon":index,"tip":...,"present":bool}
//   combo     {"kind":"combo","items":[texts],"selected":index}
//   tab       {"kind":"tab","tabs":[captions],"current":index,"width":px}
//   animation {"kind":"animation","objects":[[picture,x,y]]}
//   progress  {"kind":"progress","value":n}
//   tree      {"kind":"tree","items":[texts],"selected":index}
//   richedit  {"kind":"richedit","text":...}
//   tooltip   {"kind":"tooltip","hints":{control:text}}
//   frame     {"kind":"frame","visible":bool}
#include <string>

#include <nlohmann/json.hpp>

#include "app/ui/ui_registry.h"

namespace pk {

nlohmann::ordered_json DumpWindowsJson(const UiRegistry& registry);
// One control's state, as in the dump above.
nlohmann::ordered_json DumpControlJson(const Control& control);

}  // namespace pk
