#pragma once

#include <cstdint>
#include <ctime>
#include <fstream>
#include <string>

// The start-up/shutdown log, "reversi.log". Lines are composed from pieces and ended
// explicitly; each line starts with one tab per indent level so the file reads as an
// outline. When the file cannot be opened every write is silently dropped and the
// program carries on: the log must never be a reason for the game to fail.
class Log {
public:
    Log() = default;
    ~Log();
    Log(const Log&) = delete;
    Log& operator=(const Log&) = delete;

    // Opens (truncates) the file and writes the opening banner. 0 on success, -1 when
    // the file cannot be opened; then no banner is written and the level is kept.
    int32_t open(std::string fileName);
    // Writes the closing banner and closes the file; resets the level to 0.
    void close();

    Log& operator<<(const char* text);
    Log& operator<<(const std::string& text);
    Log& operator<<(int32_t value);
    Log& operator<<(uint32_t value);

    // Ends the current line (an empty line still carries its level's tabs) and flushes,
    // so a crash loses at most the unfinished line.
    Log& endLine();
    void indent();
    void unindent();  // never below 0

    int32_t level() const { return indentLevel; }
    bool isOpen() const { return stream.is_open(); }
    // The absolute path of the file named at the last open, whether or not it could be opened.
    const std::string& path() const { return filePath; }
    // The text of the last line ended with any text on it, without its indentation; kept even
    // when the file cannot be written, so a failure can still be named elsewhere.
    const std::string& lastLine() const { return lastText; }

    // " %2d:%02d:%02d%s  %2d/%02d/%4d" of the current local time, e.g.
    // "  3:07:09p.m.  12/05/2026".
    static std::string timestamp();
    static std::string formatTimestamp(const std::tm& local);

private:
    void writeIndent();
    void writeBannerLine(const std::string& line);

    std::ofstream stream;
    int32_t indentLevel = 0;
    std::string indentUnit = "\t";
    bool atLineStart = true;
    std::string filePath;
    std::string lineText;
    std::string lastText;
};

// The one log of the process; exists before main and is closed after it.
extern Log gLog;
