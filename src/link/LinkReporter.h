#pragma once
// Where the link shows its status texts. The main window writes them to the
// message panel of its status bar and repaints at once; daviduv-cli prints
// one per line.

#include <QString>

class LinkReporter {
public:
    virtual ~LinkReporter();
    virtual void showMessage(const QString& text) = 0;
};
