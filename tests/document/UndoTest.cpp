// Every edit can be undone and redone byte for byte.
#include "CTarnell1018Doc.h"
#include "SettingsFileBuilder.h"

#include <gtest/gtest.h>

using namespace tarnell;

TEST(Undo, EditSequenceUndoesToTheSameBytes) {
    test::SampleOptions o;
    o.timers = 5;
    o.configLength = 900;
    o.tvChannels = 60;
    o.radioChannels = 20;
    CTarnell1018Doc doc;
    doc.LoadFromBytes(test::MakeSample(o)->Store());
    std::vector<std::vector<uint8_t>> states;
    // The model's own store: the document's would apply timer links, an edit of its own.
    auto bytes = [&doc]() { return const_cast<CSettingsFile&>(doc.File()).Store(); };

    states.push_back(bytes());
    doc.MoveChannel(10, 0);
    states.push_back(bytes());
    doc.DeleteChannels({doc.File().m_channels.At(3), doc.File().m_channels.At(50)});
    states.push_back(bytes());
    doc.RenameChannel(doc.File().m_channels.At(0), "<Erstes> Programm");
    states.push_back(bytes());
    doc.SetFavourite(doc.File().m_channels.At(2), 7, true);
    states.push_back(bytes());
    doc.RemoveUnreferencedTransponders();
    states.push_back(bytes());
    doc.ApplySortTemplate();
    states.push_back(bytes());
    doc.AddFavouriteList("Meine");
    states.push_back(bytes());
    EXPECT_EQ(doc.UndoName(), "New favourite list");

    for (size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(doc.CanUndo());
        doc.Undo();
        EXPECT_EQ(bytes(), states[i - 1]) << "undo to state " << i - 1;
    }
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.IsModified());
    for (size_t i = 1; i < states.size(); ++i) {
        doc.Redo();
        EXPECT_EQ(bytes(), states[i]) << "redo to state " << i;
    }
    EXPECT_FALSE(doc.CanRedo());
}

TEST(Undo, RestoresWhatTheFileDoesNotHold) {
    CTarnell1018Doc doc;
    doc.OnNewDocument();
    // TV and radio interleaved, and satellite sequence numbers after a reorder.
    doc.MoveChannel(doc.File().m_channels.Size() - 1, 0);
    doc.Edit("Move satellite",
             [](CSettingsFile& f) { f.m_satellites.InsertAt(0, f.m_satellites.TakeAt(5)); });
    const bool firstIsTv = doc.File().m_channels.At(0)->IsTv();
    const int firstSequence = doc.File().m_satellites.At(0)->GetSequenceNumber();
    doc.Undo();
    doc.Redo();
    EXPECT_EQ(doc.File().m_channels.At(0)->IsTv(), firstIsTv);
    EXPECT_FALSE(firstIsTv);
    EXPECT_EQ(doc.File().m_satellites.At(0)->GetSequenceNumber(), firstSequence);
    EXPECT_EQ(firstSequence, 5);
}

TEST(Undo, NewEditDropsRedoAndLoadClearsHistory) {
    CTarnell1018Doc doc;
    doc.OnNewDocument();
    doc.MoveChannel(1, 0);
    doc.MoveChannel(2, 0);
    doc.Undo();
    EXPECT_TRUE(doc.CanRedo());
    doc.MoveChannel(3, 0);
    EXPECT_FALSE(doc.CanRedo());
    EXPECT_EQ(doc.History().Steps(), 2u);
    doc.OnNewDocument();
    EXPECT_FALSE(doc.CanUndo());
}

TEST(Undo, HistoryIsBounded) {
    UndoHistory history;
    for (int i = 0; i < 700; ++i) {
        history.Push("step", std::vector<uint8_t>(1000, static_cast<uint8_t>(i)));
    }
    EXPECT_EQ(history.Steps(), UndoHistory::kMaxSteps);
    EXPECT_FALSE(history.IsClean()) << "the clean state fell off the end";

    UndoHistory big;
    for (int i = 0; i < 150; ++i) {
        big.Push("big", std::vector<uint8_t>(1u << 20, 1));
    }
    EXPECT_EQ(big.Steps(), UndoHistory::kMinSteps) << "memory bounds the history beyond 100 steps";
    EXPECT_LE(big.Bytes(), UndoHistory::kMinSteps << 20);
    int undone = 0;
    while (big.CanUndo()) {
        big.Undo({});
        ++undone;
    }
    EXPECT_EQ(undone, 100);
}
