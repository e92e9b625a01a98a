#pragma once

// The compile tool's window as its tests and benchmark drive it: the sheet's
// caption, its pages in their order and the controls of each page.
namespace farrowick_controls {

constexpr const char* kCaption = "Quenlow: compile ...";

constexpr int kMainPage = 0;
constexpr int kFindPage = 1;
constexpr int kCompilePage = 2;
constexpr int kOptionsPage = 3;

// Main page.
constexpr int kMainJavaOnly = 1002;
constexpr int kMainCompile = 1003;
constexpr int kMainFind = 1004;

// Find page.
constexpr int kTree = 1017;
constexpr int kExpand = 1018;

// Compile page.
constexpr int kUnitList = 1017;
constexpr int kCommandPane = 1018;
constexpr int kErrPane = 1019;
constexpr int kStyleLine = 1024;
constexpr int kUnitLine = 1025;
constexpr int kStop = 1028;
constexpr int kPauseIfError = 1030;
constexpr int kPauseIfNoError = 1031;
constexpr int kPauseAlways = 1032;
constexpr int kContinue = 1033;

// Options page.
constexpr int kG = 1007;
constexpr int kDeprecation = 1008;
constexpr int kNowarn = 1009;
constexpr int kVerbose = 1010;
constexpr int kTarget = 1011;
constexpr int kCreateFolder = 1014;
constexpr int kNoUserCommand = 1016;
constexpr int kStyleWhole = 1019;
constexpr int kStyleByFile = 1021;
constexpr int kUserCommand = 1027;
constexpr int kAutoStyle = 1028;
constexpr int kOutputLocal = 1035;
constexpr int kOutputFolder = 1037;
constexpr int kFolderCombo = 1134;

}  // namespace farrowick_controls
