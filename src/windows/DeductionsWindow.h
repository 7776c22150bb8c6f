#pragma once
#include "game/Deduction.h"
#include "toolkit/Form.h"

#include <QFutureWatcher>
#include <QThreadPool>
#include <array>
#include <optional>
#include <vector>

class Pegs;
namespace game { class Game; }
namespace tk {
class CommandButton;
class ImageRow;
class Label;
}

// The deduction aid: how many codes the scores seen still leave possible,
// whether the try being composed could be the code and why not, what each
// colour and position can still be, and a suggested try. It only reads the
// game; the work is done off the UI thread, and whatever the game has moved
// on from by the time it is done is dropped.
class DeductionsWindow : public tk::Form {
    Q_OBJECT
public:
    explicit DeductionsWindow(const Pegs& pegs);
    ~DeductionsWindow() override;

    // The game as it now stands, with the colour marks on or off.
    void follow(const game::Game& game, bool marks);
    // Whether what follows from the game as last followed is still being worked out.
    bool working() const { return findingsDue_ || suggestionDue_; }

signals:
    // The player asked for the suggested try, worked out for the game as it stands.
    void suggestionChosen(const std::vector<int>& colours);
    // A try was scored: how many codes that leaves, in a sentence to be spoken.
    void counted(const QString& sentence);
    // The D key, as on the board: back there.
    void boardWanted();

protected:
    void keyPressEvent(QKeyEvent*) override;

private:
    // What the deduction found for one history and one try being composed.
    struct Findings {
        game::Knowledge knowledge;
        game::Verdict verdict;
    };
    void showFindings(const Findings& found);
    void suggest();
    QString reasonWhy(const game::Verdict& verdict) const;
    QStringList colourNames(std::uint16_t mask) const;

    const Pegs& pegs_;
    bool marks_ = false;
    game::History history_;        // of the game as last followed
    std::vector<int> try_;         // the try being composed, as last followed
    std::vector<int> inPlayOrder_;  // the colours in play, as the palette shows them
    std::size_t counted_ = 0;      // scored tries whose count has been told
    bool wanted_ = false;          // the player asked for a suggestion not yet worked out
    bool findingsDue_ = false, suggestionDue_ = false;  // worked out, not yet received
    std::optional<game::Knowledge> knowledge_;  // for history_, once worked out
    // Threads of their own, below every other thread of the program: the
    // board never waits for a processor while they work.
    QThreadPool workers_;
    QFutureWatcher<Findings> known_;
    QFutureWatcher<std::vector<int>> suggestion_;
    tk::Label *count_, *verdict_, *reason_, *note_;
    tk::ImageRow *inCode_, *notInCode_, *open_;
    std::array<tk::Label*, game::MostPositions> positionWords_{};
    std::array<tk::ImageRow*, game::MostPositions> positions_{};
    tk::CommandButton* suggest_;
};
