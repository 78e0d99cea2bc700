#include "generate/PocketCHighlighter.h"

namespace ornadeck::app {

namespace {

enum BlockState { Plain = 0, InComment = 1 };

} // namespace

PocketCHighlighter::PocketCHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(document),
      keywords_(QStringLiteral(
          "\\b(break|case|char|const|continue|default|do|else|float|for|if|include|int|"
          "library|pointer|return|string|switch|void|while)\\b|@\\w+")) {
    keywordFormat_.setForeground(QColor(0x00, 0x00, 0xA0));
    keywordFormat_.setFontWeight(QFont::Bold);
    stringFormat_.setForeground(QColor(0xA0, 0x00, 0x00));
    commentFormat_.setForeground(QColor(0x00, 0x80, 0x00));
    commentFormat_.setFontItalic(true);
}

// One pass from left to right, so that a quote inside a comment or "//" inside a string
// is taken for what it is.
void PocketCHighlighter::highlightBlock(const QString& text) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    setCurrentBlockState(Plain);
    if (previousBlockState() == InComment) {
        const qsizetype end = text.indexOf(QStringLiteral("*/"));
        if (end < 0) {
            setFormat(0, static_cast<int>(n), commentFormat_);
            setCurrentBlockState(InComment);
            return;
        }
        setFormat(0, static_cast<int>(end + 2), commentFormat_);
        i = end + 2;
    }
    qsizetype plainFrom = i;
    auto colourKeywords = [&](qsizetype to) {
        auto it = keywords_.globalMatch(text.mid(plainFrom, to - plainFrom));
        while (it.hasNext()) {
            const auto m = it.next();
            setFormat(static_cast<int>(plainFrom + m.capturedStart()),
                      static_cast<int>(m.capturedLength()), keywordFormat_);
        }
    };
    while (i < n) {
        const QChar c = text[i];
        const QChar next = i + 1 < n ? text[i + 1] : QChar();
        if (c == '/' && next == '/') {
            colourKeywords(i);
            setFormat(static_cast<int>(i), static_cast<int>(n - i), commentFormat_);
            return;
        }
        if (c == '/' && next == '*') {
            colourKeywords(i);
            const qsizetype end = text.indexOf(QStringLiteral("*/"), i + 2);
            if (end < 0) {
                setFormat(static_cast<int>(i), static_cast<int>(n - i), commentFormat_);
                setCurrentBlockState(InComment);
                return;
            }
            setFormat(static_cast<int>(i), static_cast<int>(end + 2 - i), commentFormat_);
            i = plainFrom = end + 2;
            continue;
        }
        if (c == '"' || c == '\'') {
            colourKeywords(i);
            qsizetype end = i + 1;
            while (end < n && text[end] != c)
                end += text[end] == '\\' ? 2 : 1;
            end = std::min(end + 1, n);
            setFormat(static_cast<int>(i), static_cast<int>(end - i), stringFormat_);
            i = plainFrom = end;
            continue;
        }
        ++i;
    }
    colourKeywords(n);
}

} // namespace ornadeck::app
