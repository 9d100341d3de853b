#include "relocation/apply_steps.h"

#include <iterator>

namespace {

constexpr unsigned kSystem = 4;
constexpr unsigned kHiddenSystem = 6;

#define SHELL "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders\\"
#define USER_SHELL "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders\\"
#define CACHE "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\5.0\\Cache\\Extensible Cache"
#define SESSION_ENV "\\Control\\Session Manager\\Environment\\"

using O = ApplyOp;
constexpr FolderRow P = FolderRow::Personal;
constexpr FolderRow D = FolderRow::Downloads;
constexpr FolderRow V = FolderRow::Videos;
constexpr FolderRow M = FolderRow::Music;
constexpr FolderRow T = FolderRow::Temp;

const ApplyStep kPersonalGroup[] = {
    // op                row root path                                                             value
    {O::WriteText,       P,  3,   SHELL "Personal",                                                Caption()},
    {O::WriteTyped,      P,  3,   USER_SHELL "Personal",                                           Caption()},
    {O::CreateFolder,    P,  0,   "",                                                              NoValue()},
    {O::SetAttributes,   P,  0,   "",                                                              Flags(kSystem)},
    {O::WriteMarker,     P,  0,   "\\desktop.ini",                                                 MarkerFile(Marker::Personal)},
    {O::SetAttributes,   P,  0,   "\\desktop.ini",                                                 Flags(kHiddenSystem)},
    {O::WriteText,       P,  3,   "Software\\Microsoft\\Internet Explorer\\Suggested Sites\\SlicePath", Caption("\\Favorites\\建议网站.url")},
    {O::WriteText,       P,  3,   SHELL "Favorites",                                               Caption("\\Favorites")},
    {O::WriteTyped,      P,  3,   USER_SHELL "Favorites",                                          Caption("\\Favorites")},
    {O::CreateFolder,    P,  0,   "\\Favorites",                                                   NoValue()},
    {O::SetAttributes,   P,  0,   "\\Favorites",                                                   Flags(kSystem)},
    {O::WriteMarker,     P,  0,   "\\Favorites\\desktop.ini",                                      MarkerFile(Marker::Favorites)},
    {O::SetAttributes,   P,  0,   "\\Favorites\\desktop.ini",                                      Flags(kHiddenSystem)},
    {O::WriteText,       P,  3,   SHELL "My Pictures",                                             Caption("\\Pictures")},
    {O::WriteTyped,      P,  3,   USER_SHELL "My Pictures",                                        Caption("\\Pictures")},
    {O::CreateFolder,    P,  0,   "\\Pictures",                                                    NoValue()},
    {O::SetAttributes,   P,  0,   "\\Pictures",                                                    Flags(kSystem)},
    {O::WriteMarker,     P,  0,   "\\Pictures\\desktop.ini",                                       MarkerFile(Marker::Pictures)},
    {O::SetAttributes,   P,  0,   "\\Pictures\\desktop.ini",                                       Flags(kHiddenSystem)},
    {O::WriteText,       P,  3,   SHELL "{7D1D3A04-DEBB-4115-95CF-2F29DA2920DA}",                  Caption("\\Searches")},
    {O::WriteTyped,      P,  3,   USER_SHELL "{7D1D3A04-DEBB-4115-95CF-2F29DA2920DA}",             Caption("\\Searches")},
    {O::CreateFolder,    P,  0,   "\\Searches",                                                    NoValue()},
    {O::SetAttributes,   P,  0,   "\\Searches",                                                    Flags(kSystem)},
    {O::WriteMarker,     P,  0,   "\\Searches\\desktop.ini",                                       MarkerFile(Marker::Searches)},
    {O::SetAttributes,   P,  0,   "\\Searches\\desktop.ini",                                       Flags(kHiddenSystem)},
    {O::WriteText,       P,  3,   SHELL "{4C5C32FF-BB9D-43B0-B5B4-2D72E54EAAA4}",                  Caption("\\Saved Games")},
    {O::WriteTyped,      P,  3,   USER_SHELL "{4C5C32FF-BB9D-43B0-B5B4-2D72E54EAAA4}",             Caption("\\Saved Games")},
    {O::CreateFolder,    P,  0,   "\\Saved Games",                                                 NoValue()},
    {O::SetAttributes,   P,  0,   "\\Saved Games",                                                 Flags(kSystem)},
    {O::WriteMarker,     P,  0,   "\\Saved Games\\desktop.ini",                                    MarkerFile(Marker::SavedGames)},
    {O::SetAttributes,   P,  0,   "\\Saved Games\\desktop.ini",                                    Flags(kHiddenSystem)},
    {O::WriteText,       P,  3,   SHELL "{56784854-C6CB-462B-8169-88E350ACB882}",                  Caption("\\Contacts")},
    {O::WriteTyped,      P,  3,   USER_SHELL "{56784854-C6CB-462B-8169-88E350ACB882}",             Caption("\\Contacts")},
    {O::CreateFolder,    P,  0,   "\\Contacts",                                                    NoValue()},
    {O::SetAttributes,   P,  0,   "\\Contacts",                                                    Flags(kSystem)},
    {O::WriteMarker,     P,  0,   "\\Contacts\\desktop.ini",                                       MarkerFile(Marker::Contacts)},
    {O::SetAttributes,   P,  0,   "\\Contacts\\desktop.ini",                                       Flags(kHiddenSystem)},
};

const ApplyStep kMediaGroup[] = {
    // op                row root path                                                             value
    {O::WriteText,       D,  3,   SHELL "{374DE290-123F-4565-9164-39C4925E467B}",                  Caption()},
    {O::WriteTyped,      D,  3,   USER_SHELL "{374DE290-123F-4565-9164-39C4925E467B}",             Caption()},
    {O::CreateFolder,    D,  0,   "",                                                              NoValue()},
    {O::WriteText,       V,  3,   SHELL "My Video",                                                Caption()},
    {O::WriteTyped,      V,  3,   USER_SHELL "My Video",                                           Caption()},
    {O::CreateFolder,    V,  0,   "",                                                              NoValue()},
    {O::WriteText,       M,  3,   SHELL "My Music",                                                Caption()},
    {O::WriteTyped,      M,  3,   USER_SHELL "My Music",                                           Caption()},
    {O::CreateFolder,    M,  0,   "",                                                              NoValue()},
};

const ApplyStep kTempGroup[] = {
    // op                row root path                                                             value
    {O::WriteTyped,      T,  3,   "Environment\\TEMP",                                             Caption()},
    {O::WriteTyped,      T,  3,   "Environment\\TMP",                                              Caption()},
    {O::CreateFolder,    T,  0,   "",                                                              NoValue()},
    {O::WriteText,       T,  4,   "SYSTEM\\ControlSet001" SESSION_ENV "TEMP",                      Caption()},
    {O::WriteText,       T,  4,   "SYSTEM\\ControlSet001" SESSION_ENV "TMP",                       Caption()},
    {O::WriteText,       T,  4,   "SYSTEM\\ControlSet002" SESSION_ENV "TEMP",                      Caption()},
    {O::WriteText,       T,  4,   "SYSTEM\\ControlSet002" SESSION_ENV "TMP",                       Caption()},
    {O::WriteText,       T,  4,   "SYSTEM\\CurrentControlSet" SESSION_ENV "TEMP",                  Caption()},
    {O::WriteText,       T,  4,   "SYSTEM\\CurrentControlSet" SESSION_ENV "TMP",                   Caption()},
    {O::WriteText,       T,  5,   ".DEFAULT\\" SHELL "TMP",                                        Caption()},
    {O::WriteText,       T,  5,   "S-1-5-18\\" SHELL "TMP",                                        Caption()},
};

const ApplyStep kBrowserGroup[] = {
    // op                row root path                                                             value
    {O::DeleteEntry,     T,  3,   CACHE,                                                           NoValue()},
    {O::WriteText,       T,  3,   CACHE "\\DOMStore\\CachePrefix",                                 Literal("DOMStore")},
    {O::WriteTyped,      T,  3,   CACHE "\\DOMStore\\CachePath",                                   Caption()},
    {O::WriteText,       T,  3,   CACHE "\\feedplat\\CachePrefix",                                 Literal("feedplat")},
    {O::WriteTyped,      T,  3,   CACHE "\\feedplat\\CachePath",                                   Caption()},
    {O::WriteText,       T,  3,   CACHE "\\UserData\\CachePrefix",                                 Literal("UserData")},
    {O::WriteTyped,      T,  3,   CACHE "\\UserData\\CachePath",                                   Caption()},
    {O::WriteText,       T,  3,   CACHE "\\iecompat\\CachePrefix",                                 Literal("iecompat")},
    {O::WriteTyped,      T,  3,   CACHE "\\iecompat\\CachePath",                                   Caption()},
    {O::WriteText,       T,  3,   CACHE "\\ietld\\CachePrefix",                                    Literal("ietld")},
    {O::WriteTyped,      T,  3,   CACHE "\\ietld\\CachePath",                                      Caption()},
    {O::WriteText,       T,  3,   CACHE "\\PrivacIE:\\CachePrefix",                                Literal("PrivacIE:")},
    {O::WriteTyped,      T,  3,   CACHE "\\PrivacIE:\\CachePath",                                  Caption()},
    {O::WriteText,       T,  3,   SHELL "Cookies",                                                 Caption("\\Cookies")},
    {O::WriteTyped,      T,  3,   USER_SHELL "Cookies",                                            Caption("\\Cookies")},
    {O::WriteText,       T,  5,   ".DEFAULT\\" SHELL "Cookies",                                    Caption("\\Cookies")},
    {O::WriteTyped,      T,  5,   ".DEFAULT\\" USER_SHELL "Cookies",                               Caption("\\Cookies")},
    {O::WriteText,       T,  5,   "S-1-5-18\\" SHELL "Cookies",                                    Caption("\\Cookies")},
    {O::WriteTyped,      T,  5,   "S-1-5-18\\" USER_SHELL "Cookies",                               Caption("\\Cookies")},
    {O::WriteText,       T,  5,   "S-1-5-20\\" SHELL "Cookies",                                    Caption("\\Cookies")},
    {O::WriteTyped,      T,  5,   "S-1-5-20\\" USER_SHELL "Cookies",                               Caption("\\Cookies")},
    {O::CreateFolder,    T,  0,   "\\Cookies",                                                     NoValue()},
    {O::WriteText,       T,  3,   SHELL "Cache",                                                   Caption("\\Temporary Internet Files")},
    {O::WriteTyped,      T,  3,   USER_SHELL "Cache",                                              Caption("\\Temporary Internet Files")},
    {O::WriteText,       T,  5,   ".DEFAULT\\" SHELL "Cache",                                      Caption("\\Temporary Internet Files")},
    {O::WriteTyped,      T,  5,   ".DEFAULT\\" USER_SHELL "Cache",                                 Caption("\\Temporary Internet Files")},
    {O::WriteText,       T,  5,   "S-1-5-18\\" SHELL "Cache",                                      Caption("\\Temporary Internet Files")},
    {O::WriteTyped,      T,  5,   "S-1-5-18\\" USER_SHELL "Cache",                                 Caption("\\Temporary Internet Files")},
    {O::WriteText,       T,  5,   "S-1-5-20\\" SHELL "Cache",                                      Caption("\\Temporary Internet Files")},
    {O::WriteTyped,      T,  5,   "S-1-5-20\\" USER_SHELL "Cache",                                 Caption("\\Temporary Internet Files")},
    {O::CreateFolder,    T,  0,   "\\Temporary Internet Files",                                    NoValue()},
    {O::WriteText,       T,  3,   SHELL "History",                                                 Caption("\\History")},
    {O::WriteTyped,      T,  3,   USER_SHELL "History",                                            Caption("\\History")},
    {O::WriteText,       T,  5,   ".DEFAULT\\" SHELL "History",                                    Caption("\\History")},
    {O::WriteTyped,      T,  5,   ".DEFAULT\\" USER_SHELL "History",                               Caption("\\History")},
    {O::WriteText,       T,  5,   "S-1-5-18\\" SHELL "History",                                    Caption("\\History")},
    {O::WriteTyped,      T,  5,   "S-1-5-18\\" USER_SHELL "History",                               Caption("\\History")},
    {O::WriteText,       T,  5,   "S-1-5-20\\" SHELL "History",                                    Caption("\\History")},
    {O::WriteTyped,      T,  5,   "S-1-5-20\\" USER_SHELL "History",                               Caption("\\History")},
    {O::CreateFolder,    T,  0,   "\\History",                                                     NoValue()},
    {O::PumpEvents,      T,  0,   "",                                                              NoValue()},
    {O::ShowNotice,      T,  0,   "",                                                              NoValue()},
};

#undef SHELL
#undef USER_SHELL
#undef CACHE
#undef SESSION_ENV

}  // namespace

namespace {
const ApplyGroup kGroups[] = {
    // steps          count                      failures named as
    {kPersonalGroup,  std::size(kPersonalGroup), ReportAs::Row},
    {kMediaGroup,     std::size(kMediaGroup),    ReportAs::Row},
    {kTempGroup,      std::size(kTempGroup),     ReportAs::Row},
    {kBrowserGroup,   std::size(kBrowserGroup),  ReportAs::BrowserStorage},
};
}  // namespace

const ApplySequence kApplySequence = {kGroups, std::size(kGroups)};
