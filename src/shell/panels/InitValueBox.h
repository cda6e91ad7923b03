#pragma once
// A text box whose length limit stops typing from making the text longer than
// the limit but never cuts a text it already holds (a limit lowered from 8 to 4
// keeps "12345678" whole). Leaving it or pressing Enter commits it.
#include <QLineEdit>

class InitValueBox : public QLineEdit {
    Q_OBJECT
public:
    explicit InitValueBox(QWidget* parent = nullptr);

    int lengthLimit() const { return limit_; }
    void setLengthLimit(int characters) { limit_ = characters; }

signals:
    void committed();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    int limit_ = 32767;
    int shownLength_ = 0;
};
