// The window definition: MainWindow's settings, its 23 controls and the five
// folder rows, as tables. MainWindow builds itself from these alone.
#pragma once

#include "app/folder_rows.h"

#include <windows.h>

#include <cstddef>
#include <iterator>

constexpr const char kWindowTitle[] = "Zelvora Build20110801";
constexpr int kWindowWidth = 372;  // outer size, frame and caption included
constexpr int kWindowHeight = 258;
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

constexpr const char kAuthorAddress[] = "https://zelvora.example/";
constexpr const char kStatusCredit[] = "程序设计：Morvane  网址  ";

enum class ControlKind { Label, DropDownList, PushButton, StatusBar, Link };

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

struct ControlSpec {
    const char* name;
    ControlKind kind;
    int left, top, width, height;
    const char* text;
    COLORREF textColour;  // labels only
    bool tabStop;
};

// In creation order, which is the z-order from bottom to top.
constexpr ControlSpec kControls[] = {
    // name              kind                       left top  width height text             colour  tab
    {"标签",             ControlKind::Label,        16,  15,  60,   20,  "个人目录",        kBlack, false},
    {"标签2",            ControlKind::Label,        16,  47,  60,   20,  "下载",            kBlack, false},
    {"标签3",            ControlKind::Label,        16,  79,  60,   20,  "我的视频",        kBlack, false},
    {"标签4",            ControlKind::Label,        16,  111, 60,   20,  "我的音乐",        kBlack, false},
    {"标签5",            ControlKind::Label,        16,  145, 60,   20,  "临时文件夹",      kBlack, false},
    {"组合框1",          ControlKind::DropDownList, 84,  15,  72,   20,  "",                kBlack, true},
    {"组合框2",          ControlKind::DropDownList, 84,  47,  72,   20,  "",                kBlack, true},
    {"组合框3",          ControlKind::DropDownList, 84,  79,  72,   20,  "",                kBlack, true},
    {"组合框4",          ControlKind::DropDownList, 84,  111, 72,   20,  "",                kBlack, true},
    {"组合框5",          ControlKind::DropDownList, 84,  145, 72,   20,  "",                kBlack, true},
    {"个人目录标签",     ControlKind::Label,        223, 15,  150,  20,  "My Documents",    kRed,   false},
    {"标签6",            ControlKind::Label,        167, 15,  40,   20,  "设置为",          kBlack, false},
    {"标签7",            ControlKind::Label,        167, 47,  40,   20,  "设置为",          kBlack, false},
    {"标签8",            ControlKind::Label,        167, 79,  40,   20,  "设置为",          kBlack, false},
    {"标签9",            ControlKind::Label,        167, 111, 40,   20,  "设置为",          kBlack, false},
    {"标签10",           ControlKind::Label,        167, 145, 40,   20,  "设置为",          kBlack, false},
    {"应用按钮",         ControlKind::PushButton,   137, 171, 80,   32,  "应  用",          kBlack, true},
    {"下载目录标签",     ControlKind::Label,        223, 47,  150,  20,  "影音下载",        kRed,   false},
    {"我的视频目录标签", ControlKind::Label,        223, 79,  150,  20,  "电影",            kRed,   false},
    {"我的音乐目录标签", ControlKind::Label,        223, 111, 150,  20,  "音乐",            kRed,   false},
    {"临时文件夹标签",   ControlKind::Label,        223, 145, 150,  20,  "Temp",            kRed,   false},
    {"状态条1",          ControlKind::StatusBar,    0,   211, 366,  20,  "",                kBlack, false},
    {"超级链接框1",      ControlKind::Link,         248, 176, 192,  24,  "",                kBlack, false},
};

constexpr std::size_t kControlCount = std::size(kControls);

// A drop-down list is created this high so that its opened list reaches
// below the closed box; the closed box keeps the system height.
constexpr int kDropDownCreateHeight = 160;

// Indices into kControls of the controls the logic addresses.
constexpr std::size_t kApplyButton = 16;
constexpr std::size_t kStatusBar = 21;
constexpr std::size_t kLink = 22;

struct FolderRowSpec {
    FolderRow row;
    std::size_t caption;    // index into kControls: the row's name
    std::size_t combo;      // index into kControls
    std::size_t pathLabel;  // index into kControls
    const char* suffix;     // joined to a chosen drive
};

constexpr FolderRowSpec kFolderRowSpecs[] = {
    // row                  caption  combo  path label  suffix
    {FolderRow::Personal,   0,       5,     10,         "\\My Documents"},
    {FolderRow::Downloads,  1,       6,     17,         "\\影音下载"},
    {FolderRow::Videos,     2,       7,     18,         "\\电影"},
    {FolderRow::Music,      3,       8,     19,         "\\音乐"},
    {FolderRow::Temp,       4,       9,     20,         "\\Temp"},
};

static_assert(std::size(kFolderRowSpecs) == std::size(kFolderRows));

constexpr const FolderRowSpec& RowSpec(FolderRow row) {
    return kFolderRowSpecs[static_cast<std::size_t>(row)];
}

// The row's name as the window shows it ("个人目录", ...).
constexpr const char* RowName(FolderRow row) { return kControls[RowSpec(row).caption].text; }
