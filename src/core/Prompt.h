#pragma once
// Every user-visible message goes through one Prompt, so that tests can
// answer questions and read what the user would have seen.
#include <QString>
#include <QStringList>
#include <deque>

class Prompt {
public:
    virtual ~Prompt() = default;
    virtual void information(const QString& text) = 0;
    virtual void error(const QString& text) = 0;
    // Yes/No question; true means Yes.
    virtual bool question(const QString& text) = 0;
};

// Records messages and answers questions from a queue (default answer when
// the queue is empty). Used by tests and by the command-line tool.
class ScriptedPrompt : public Prompt {
public:
    struct Entry {
        enum Kind { Information, Error, Question } kind;
        QString text;
    };

    void information(const QString& text) override { log.push_back({Entry::Information, text}); }
    void error(const QString& text) override { log.push_back({Entry::Error, text}); }
    bool question(const QString& text) override
    {
        log.push_back({Entry::Question, text});
        if (answers.empty())
            return defaultAnswer;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }

    QStringList texts() const
    {
        QStringList out;
        for (const auto& e : log)
            out << e.text;
        return out;
    }
    QString last() const { return log.empty() ? QString() : log.back().text; }
    void clear() { log.clear(); }

    std::deque<bool> answers;
    bool defaultAnswer = true;
    std::vector<Entry> log;
};

// Writes every message as one line on stderr; questions are answered Yes.
class StderrPrompt : public Prompt {
public:
    void information(const QString& text) override;
    void error(const QString& text) override;
    bool question(const QString& text) override;
};
