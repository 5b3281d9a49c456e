#include "game/game_frame.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QScreen>
#include <QTest>

#include "game_fixture.h"
#include "platform/guard.h"
#include "platform/image_canvas.h"
#include "support/controls.h"
#include "support/input_method.h"

namespace {
struct GameFrameTest : ::testing::Test {
  TestContext t;
  TgameFrame frame{t.context};

  GameFrameTest() { t.random.thenAlways = 0; }  // the city and the words do not matter here

  void SetUp() override { t.dir.Write("qzgame.txt", "alpha beta\r\n\r\ngamma\r\n"); }
  void Start() {
    Guarded(t.dialogs, [&] { frame.StartGame(); });
  }
  std::string Status() const { return Control<QLabel>(frame, "LbStatus")->text().toStdString(); }
};
}  // namespace

TEST_F(GameFrameTest, LaidOutAsDesigned) {
  EXPECT_EQ(frame.windowTitle(), "Game");
  EXPECT_EQ(frame.size(), QSize(600, 400));
  EXPECT_EQ(frame.minimumSize(), frame.maximumSize());
  EXPECT_FALSE(frame.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(frame.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(Status(), "Score");
  EXPECT_EQ(Control<QLabel>(frame, "LbStatus")->geometry(), QRect(0, 0, 600, 16));
  EXPECT_EQ(Control<PaintSurface>(frame, "PaintBox1")->geometry(), QRect(0, 16, 600, 384));
  EXPECT_EQ(frame.TextFile(), "qzgame.txt");
  EXPECT_EQ(frame.CurrentGame(), nullptr);
}

TEST_F(GameFrameTest, StartAsksTheDifficultyAndStartsTheGame) {
  t.dialogs.inputs = {"7"};
  Start();
  ASSERT_NE(frame.CurrentGame(), nullptr);
  EXPECT_EQ(t.dialogs.prompts,
            (std::vector<std::string>{"Input Box|Input the difficulty (1-10).|3"}));
  EXPECT_EQ(frame.CurrentGame()->Difficulty, 7);
  EXPECT_TRUE(frame.CurrentGame()->Started());
  EXPECT_EQ(frame.CurrentGame()->City.BaseY, 384);
  EXPECT_EQ(Status(), " Difficulty: 0    Hit: 0   Lost: 0  Time: 0s   Score: 0");
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(GameFrameTest, DifficultiesOutOfRangeAndCancelGiveThree) {
  for (const char* answer : std::vector<const char*>{"0", "11", "-2", nullptr}) {
    t.dialogs.inputs = {answer ? std::optional<std::string>(answer) : std::nullopt};
    Start();
    ASSERT_NE(frame.CurrentGame(), nullptr);
    EXPECT_EQ(frame.CurrentGame()->Difficulty, 3) << (answer ? answer : "cancel");
  }
}

TEST_F(GameFrameTest, DifficultyThatIsNoNumberLeavesTheGameUnstarted) {
  t.dialogs.inputs = {"easy"};
  Start();
  EXPECT_EQ(t.dialogs.Texts(), (std::vector<std::string>{"'easy' is not a valid integer value"}));
  EXPECT_EQ(t.dialogs.messages[0].kind, MessageKind::Error);
  ASSERT_NE(frame.CurrentGame(), nullptr);
  EXPECT_EQ(frame.CurrentGame()->Difficulty, 0);
  EXPECT_FALSE(frame.CurrentGame()->Started());

  // Esc asks; No does not start it.
  t.dialogs.answers = {MessageAnswer::No};
  frame.FormKeyPress(27);
  EXPECT_EQ(t.dialogs.Texts().back(), "Do you want to exit?");
  EXPECT_FALSE(frame.CurrentGame()->Started());
}

TEST_F(GameFrameTest, MissingGameTextShowsTheIoErrorAndStartsNoGame) {
  frame.SetTextFile("nothere.txt");
  Start();
  EXPECT_EQ(t.dialogs.Texts(), (std::vector<std::string>{"File not found"}));
  EXPECT_EQ(t.dialogs.messages[0].kind, MessageKind::Error);
  EXPECT_TRUE(t.dialogs.prompts.empty());
  EXPECT_EQ(frame.CurrentGame(), nullptr);
  EXPECT_EQ(Status(), " Difficulty: 0    Hit: 0   Lost: 0  Time: 0s   Score: 0");

  frame.show();
  frame.FormKeyPress('a');  // reaches no game
  frame.FormKeyPress(27);
  EXPECT_FALSE(frame.isVisible());
  EXPECT_EQ(t.dialogs.Texts().size(), 1u);
}

TEST_F(GameFrameTest, GameTextNameIsFoundWithoutRegardToCase) {
  t.dir.Write("Words.TXT", "one\r\n");
  frame.SetTextFile("words.txt");
  t.dialogs.inputs = {"3"};
  Start();
  ASSERT_NE(frame.CurrentGame(), nullptr);
  EXPECT_EQ(frame.CurrentGame()->Source.GameFile, t.dir.File("Words.TXT"));
  EXPECT_EQ(frame.CurrentGame()->Source.Groups[1], (std::vector<std::string>{"one"}));
}

TEST_F(GameFrameTest, EscAsksAndNoGoesOnYesLeaves) {
  frame.show();
  t.dialogs.inputs = {"3"};
  Start();
  threadType* game = frame.CurrentGame();
  t.dialogs.answers = {MessageAnswer::No};
  QTest::keyClick(&frame, Qt::Key_Escape);
  ASSERT_EQ(t.dialogs.Texts(), (std::vector<std::string>{"Do you want to exit?"}));
  EXPECT_EQ(t.dialogs.messages[0].kind, MessageKind::Confirmation);
  EXPECT_EQ(t.dialogs.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_TRUE(frame.isVisible());
  EXPECT_FALSE(game->Terminated());

  t.dialogs.answers = {MessageAnswer::Yes};
  QTest::keyClick(&frame, Qt::Key_Escape);
  EXPECT_FALSE(frame.isVisible());
  EXPECT_TRUE(game->Terminated());
  EXPECT_EQ(t.dialogs.Texts().size(), 2u);  // no results box
}

TEST_F(GameFrameTest, KeysGoToTheGame) {
  frame.show();
  t.dialogs.inputs = {"3"};
  Start();
  QTest::keyClick(&frame, Qt::Key_A);
  QTest::keyClick(&frame, 'B');
  CommitText(&frame, QString::fromUtf8("\xC3\xA9"));  // a dead key and e
  EXPECT_EQ(frame.CurrentGame()->PendingKeys, (std::deque<int>{'a', 'B', 0xE9}));
}

TEST_F(GameFrameTest, ClosingStopsTheGame) {
  frame.show();
  t.dialogs.inputs = {"3"};
  Start();
  threadType* game = frame.CurrentGame();
  frame.close();
  EXPECT_FALSE(frame.isVisible());
  EXPECT_TRUE(game->Terminated());
  frame.FormKeyPress(27);  // an ended game: Esc asks nothing
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(GameFrameTest, RepaintDrawsTheNewCityOnBlack) {
  frame.show();
  t.dialogs.inputs = {"3"};
  Start();
  threadType& game = *frame.CurrentGame();
  for (auto& row : game.City.Cells) row.fill(0);
  game.City.Cells[3][50] = 1;
  ImageCanvas& canvas = Control<PaintSurface>(frame, "PaintBox1")->canvas();
  canvas.SetBrushColor(clWhite);
  canvas.FillRect(0, 0, 600, 384);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  Control<PaintSurface>(frame, "PaintBox1")->Invalidate();
  Control<PaintSurface>(frame, "PaintBox1")->repaint();
  EXPECT_TRUE(AllPixels(canvas, clOlive, 588, 372, 600, 384));
  EXPECT_TRUE(AllPixels(canvas, clBlack, 0, 100, 588, 384));  // words start at the top
}

TEST_F(GameFrameTest, AMoveStepUpdatesOnlyTheCellsOfWhatMoved) {
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  QTest::qWait(50);  // the first full paint
  ImmediateDispatcher dispatcher;
  threadType game(
      GameServices{t.clock, t.random, t.dialogs, dispatcher}, t.dir.File("qzgame.txt"),
      [](const std::string&) {}, Control<PaintSurface>(frame, "PaintBox1")->canvas());
  for (auto& row : game.City.Cells) row.fill(0);
  game.City.Cells[3][40] = 1;
  auto add = [&](const std::string& text, int column, int y, int speed) -> strikerType& {
    return AddFallingWord(game, text, column, y, speed);
  };
  add("fall", 5, 60, 3);    // moves
  add("slow", 20, 120, 1);  // not its phase: redrawn where it stands
  strikerType& shot = add("shot", 30, 30, 3);
  shot.State = strikerType::Shot;  // stands while its bullet flies
  game.FireBullet(shot);
  game.Redraw();
  for (int step = 0; step < 10; ++step) game.MoveBullets();
  QTest::qWait(40);  // all that shown, and a frame's time gone

  game.MoveStrikers();
  game.MoveBullets();
  Control<PaintSurface>(frame, "PaintBox1")
      ->ShowDrawnNow();  // as after a hand-off from the game's worker
  const QRegion& painted = Control<PaintSurface>(frame, "PaintBox1")->LastShown();
  // The falling word's cells before and after its step of 6 px, and the bullet's two places.
  Font letters;
  letters.face = kGameFontFace;
  letters.SetSize(kLetterPoints);
  letters.style = font_style::kBold;
  const int letterHeight =
      Control<PaintSurface>(frame, "PaintBox1")->canvas().TextHeight("f", letters);
  const QRect word(ColumnX(5), 60, 4 * kCellSize, 6 + letterHeight);
  const bulletType& flying = *game.Bullets[0];
  const QRect bullet(flying.X - 1, flying.Y - 1, 7, 6 + 11);
  const QRect painting = painted.boundingRect();
  EXPECT_TRUE((painted - word - bullet).isEmpty())
      << painting.x() << "," << painting.y() << " " << painting.width() << "x" << painting.height();
  EXPECT_TRUE(painted.contains(QPoint(ColumnX(5) + 2, 66 + 2)));  // its first letter
  EXPECT_TRUE(painted.contains(QPoint(flying.X + 1, flying.Y)));
  EXPECT_FALSE(painted.intersects(QRect(ColumnX(20), 0, 4 * kCellSize, 384)));
  EXPECT_FALSE(painted.intersects(QRect(0, 348, 600, 36)));  // the city
  // What the window shows is the picture, the moved word included.
  const QImage shown = frame.screen()->grabWindow(frame.winId()).toImage();
  const QPoint at = Control<PaintSurface>(frame, "PaintBox1")->mapTo(&frame, QPoint(0, 0));
  const QImage& picture = Control<PaintSurface>(frame, "PaintBox1")->canvas().Image();
  EXPECT_EQ(shown.copy(QRect(at, picture.size())).convertToFormat(picture.format()), picture);
}
