#pragma once

#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

namespace ornadeck::app {

// Colours PocketC source: keywords, string and character literals, and comments, the
// block comments across lines.
class PocketCHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
  public:
    explicit PocketCHighlighter(QTextDocument* document);

  protected:
    void highlightBlock(const QString& text) override;

  private:
    QRegularExpression keywords_;
    QTextCharFormat keywordFormat_;
    QTextCharFormat stringFormat_;
    QTextCharFormat commentFormat_;
};

} // namespace ornadeck::app
