#pragma once
// The recovery copy of the template being edited, so that work survives a
// crash or a killed process: after each undo step (at most once per interval,
// a second by default) the template's file bytes are written to
// $XDG_STATE_HOME/daviduv/recovery/template.spt (default ~/.local/state) and the
// path the template was opened from to origin.txt beside it. A save or a clean
// exit removes both.
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

// A copy a previous editor left: its bytes and the path its template came from
// (empty for a template never opened or saved).
struct LeftRecoveryCopy {
    QByteArray bytes;
    QString origin;
};

class RecoveryCopy : public QObject {
    Q_OBJECT
public:
    // templateBytes: the open template as a save would write it.
    RecoveryCopy(std::function<QByteArray()> templateBytes, QObject* parent);

    // $XDG_STATE_HOME/daviduv/recovery (default ~/.local/state/daviduv/recovery).
    static QString folder();
    // The copy a previous editor left, if any.
    static std::optional<LeftRecoveryCopy> left();

    // The path the open template came from or was last saved to.
    QString origin() const { return origin_; }
    void setOrigin(const QString& path) { origin_ = path; }
    // The path 保存 proposes: the origin of a restored template until it is saved.
    QString proposal() const { return proposal_; }
    void setProposal(const QString& path) { proposal_ = path; }
    // The least time between two writes (tests shorten it).
    void setInterval(int ms) { timer_.setInterval(ms); }

    // An undo step was done: the copy is written now, or once the interval since
    // the last write is over.
    void noteStep();
    // Writes the copy at once; empty on success, else the reason.
    QString writeNow();
    // Removes the copy (a save, a clean exit, a template opened or begun anew).
    void remove();

signals:
    // A write failed; the editor goes on without a copy.
    void writeFailed(const QString& reason);

private:
    std::function<QByteArray()> templateBytes_;
    QString origin_;
    QString proposal_;
    QTimer timer_;
    bool pending_ = false;
};
