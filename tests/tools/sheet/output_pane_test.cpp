// Appends to an output pane from a reader thread while its window thread
// appends too (a debugger's output and the echo of a command sent meanwhile):
// each piece lands whole at the end, none inside another, none lost.
#include "output_pane.h"

#include <gtest/gtest.h>

#include <atomic>
#include <sstream>
#include <string>
#include <thread>

#include "rich_edit.h"
#include "support/pane_text.h"

namespace {

const std::string kRule(38, '-');

std::string Echo(int round)
{
    return "\n" + kRule + " echo " + std::to_string(round) + "\n";
}

std::string ReaderLine(int number)
{
    return "reader " + std::to_string(number) + "\n";
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

TEST(OutputPaneTest, PiecesFromTwoThreadsLandWholeAtTheEnd)
{
    ASSERT_TRUE(LoadRichEditLibrary());
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400, nullptr, nullptr,
                                 nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    HWND control = CreateWindowExA(0, RichEdit::kClassName, "",
                                   WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | WS_VSCROLL, 5, 5, 500, 300,
                                   owner, reinterpret_cast<HMENU>(1000), nullptr, nullptr);
    ASSERT_NE(control, nullptr);
    ZOutputPane pane(control);
    pane.MeasureLineHeight();

    // A short pane: a stale end there can point inside a piece added since.
    constexpr int kRounds = 60;
    constexpr int kEchoesPerRound = 4;
    for (int round = 0; round < kRounds; ++round) {
        SetWindowTextA(control, "");
        std::atomic<bool> stop{false};
        std::atomic<bool> done{false};
        int sent = 0;
        std::thread reader([&] {
            while (!stop.load())
                AppendPaneText(pane, ReaderLine(sent++).c_str(), 1);
            done = true;
        });
        for (int echo = 0; echo < kEchoesPerRound; ++echo) {
            Pump();
            AppendPaneText(pane, Echo(echo).c_str(), 1);
        }
        stop = true;
        // The reader's last append waits for this thread.
        while (!done.load()) {
            Pump();
            Sleep(1);
        }
        reader.join();

        std::istringstream lines(PaneLines(RichEdit(control).GetText()));
        std::string line;
        int readerLines = 0;
        int echoes = 0;
        while (std::getline(lines, line)) {
            if (line.empty())
                continue;
            if (line + "\n" == ReaderLine(readerLines))
                ++readerLines;
            else if (line.rfind(kRule + " echo ", 0) == 0 && line.size() == kRule.size() + 7)
                ++echoes;
            else
                FAIL() << "round " << round << ": a broken line \"" << line << "\" in\n"
                       << PaneLines(RichEdit(control).GetText());
        }
        EXPECT_EQ(readerLines, sent) << "round " << round;
        EXPECT_EQ(echoes, kEchoesPerRound) << "round " << round;
    }
    DestroyWindow(owner);
}

}  // namespace
