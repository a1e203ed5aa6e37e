#include "base/Log.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

Log gLog;

namespace {
const char* const LOG_RULE = "---------------------------------------";
}

Log::~Log() {
    if (stream.is_open()) close();
}

int32_t Log::open(std::string fileName) {
    if (stream.is_open()) close();
    stream.clear();
    std::error_code error;
    filePath = std::filesystem::absolute(fileName, error).string();
    if (error) filePath = fileName;
    stream.open(fileName, std::ios::out | std::ios::trunc);
    if (stream.fail()) return -1;

    writeBannerLine("------- Compiled Mode: Release --------");
    writeBannerLine("");
    writeBannerLine(LOG_RULE);
    writeBannerLine(" Log opened: " + timestamp());
    writeBannerLine(LOG_RULE);
    indentLevel = 0;
    return 0;
}

void Log::close() {
    indentLevel = 0;
    if (!stream.is_open()) return;
    writeBannerLine(LOG_RULE);
    writeBannerLine(" Log closed: " + timestamp());
    writeBannerLine(LOG_RULE);
    stream.close();
}

void Log::writeBannerLine(const std::string& line) {
    stream << line << '\n';
    stream.flush();
}

void Log::writeIndent() {
    for (int32_t i = 0; i < indentLevel; ++i) stream << indentUnit;
}

Log& Log::operator<<(const char* text) {
    if (atLineStart) {
        writeIndent();
        atLineStart = false;
    }
    stream << text;
    lineText += text;
    return *this;
}

Log& Log::operator<<(const std::string& text) {
    return *this << text.c_str();
}

Log& Log::operator<<(int32_t value) {
    return *this << std::to_string(value);
}

Log& Log::operator<<(uint32_t value) {
    return *this << std::to_string(value);
}

Log& Log::endLine() {
    if (atLineStart) writeIndent();
    stream << '\n';
    stream.flush();
    atLineStart = true;
    if (!lineText.empty()) lastText.swap(lineText);
    lineText.clear();
    return *this;
}

void Log::indent() {
    ++indentLevel;
}

void Log::unindent() {
    if (indentLevel > 0) --indentLevel;
}

std::string Log::timestamp() {
    std::time_t now = std::time(nullptr);
    // Only the main thread writes the log, so localtime's shared buffer is safe here.
    return formatTimestamp(*std::localtime(&now));
}

std::string Log::formatTimestamp(const std::tm& local) {
    int hour12 = local.tm_hour % 12;
    if (hour12 == 0) hour12 = 12;
    char text[64];
    std::snprintf(text, sizeof text, " %2d:%02d:%02d%s  %2d/%02d/%4d", hour12, local.tm_min,
                  local.tm_sec, local.tm_hour < 12 ? "a.m." : "p.m.", local.tm_mon + 1,
                  local.tm_mday, local.tm_year + 1900);
    return text;
}
