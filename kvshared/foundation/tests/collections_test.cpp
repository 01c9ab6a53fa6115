#include <gtest/gtest.h>

#include <vector>

#include "fault_capture.h"
#include "foundation/kvobject.h"

namespace {

class CollectionsTest : public ::testing::Test {
protected:
    FaultCapture capture;
    KvTestObject a{CString("A")}, b{CString("B")}, c{CString("C")}, d{CString("D")};
};

std::vector<KvObject*> Contents(const KvObArray& array)
{
    std::vector<KvObject*> items;
    for (int i = 0; i < array.GetSize(); ++i)
        items.push_back(array.GetAt(i));
    return items;
}

TEST_F(CollectionsTest, InsertBeyondTheSizeFillsTheGapWithNulls)
{
    KvObArray array;
    EXPECT_NE(array.InsertAt(5, &a), 0);
    EXPECT_EQ(Contents(array), (std::vector<KvObject*>{nullptr, nullptr, nullptr, nullptr, nullptr, &a}));
    array.InsertAt(1, &b, 2);
    EXPECT_EQ(Contents(array), (std::vector<KvObject*>{nullptr, &b, &b, nullptr, nullptr, nullptr, nullptr, &a}));
    EXPECT_EQ(array.SetAt(0, &c), &c);
    EXPECT_EQ(array.GetAt(0), &c);
    EXPECT_TRUE(capture.Assertions().empty());
}

TEST_F(CollectionsTest, RemoveMovesLaterElementsDown)
{
    KvObArray array;
    for (KvObject* p : {&a, &b, &c, &d})
        array.Add(p);
    array.RemoveAt(1, 2);
    EXPECT_EQ(Contents(array), (std::vector<KvObject*>{&a, &d}));
    // The objects themselves live on.
    EXPECT_EQ(static_cast<KvTestObject&>(b).GetText(), "B");
}

TEST_F(CollectionsTest, CapacityGrowsInStepsOfTwoFromEleven)
{
    KvObArray array;
    const int expected[] = {11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 13, 13, 15};
    for (int i = 0; i < 14; ++i) {
        array.Add(&a);
        EXPECT_EQ(array.GetCapacity(), expected[i]) << i;
    }
    KvObArray far;
    far.InsertAt(20, &a);
    EXPECT_EQ(far.GetCapacity(), 21);  // 21 slots needed: 10 more, a multiple of the step
    EXPECT_EQ(far.GetSize(), 21);
}

TEST_F(CollectionsTest, MisuseIsReportedAndHarmless)
{
    KvObArray array;
    array.Add(&a);
    EXPECT_EQ(array.GetAt(1), nullptr);
    EXPECT_EQ(array.GetAt(-1), nullptr);
    array.SetAt(3, &b);
    array.RemoveAt(0, 2);
    array.RemoveAt(1, 1);
    array.InsertAt(0, &b, 0);
    EXPECT_EQ(Contents(array), (std::vector<KvObject*>{&a}));
    EXPECT_EQ(capture.Assertions(),
              (std::vector<std::string>{"(0)", "(0)", "(nIndex < GetSize())", "(nIndex + nCount - 1 < GetSize())",
                                        "(nIndex < GetSize())", "(nCount > 0)"}));
}

TEST_F(CollectionsTest, QueueIsFirstInFirstOut)
{
    KvObQueue queue;
    EXPECT_NE(queue.IsEmpty(), 0);
    for (KvObject* p : {&a, &b, &c})
        queue.Enqueue(p);
    EXPECT_EQ(queue.GetTail(), 2);
    EXPECT_EQ(queue.Dequeue(), &a);
    queue.Enqueue(&d);
    EXPECT_EQ(queue.Dequeue(), &b);
    EXPECT_EQ(queue.Dequeue(), &c);
    EXPECT_EQ(queue.Dequeue(), &d);
    EXPECT_NE(queue.IsEmpty(), 0);
    EXPECT_EQ(queue.GetTail(), -1);

    EXPECT_EQ(queue.Dequeue(), nullptr);
    EXPECT_EQ(capture.Assertions(), (std::vector<std::string>{"(!IsEmpty())"}));
    EXPECT_EQ(queue.GetTail(), -1);
}

TEST_F(CollectionsTest, WordArray)
{
    KvWordArray words;
    words.Add(7);
    words.InsertAt(3, 9);
    EXPECT_EQ(words.GetSize(), 4);
    const WORD expected[] = {7, 0, 0, 9};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(words.GetAt(i), expected[i]);
    words.InsertAt(1, 5, 3);
    words.InsertAtCount(0, 1, 1);
    const WORD after[] = {1, 7, 5, 5, 5, 0, 0, 9};
    ASSERT_EQ(words.GetSize(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(words.GetAt(i), after[i]);
    words.RemoveAt(1, 4);
    EXPECT_EQ(words.GetSize(), 4);
    EXPECT_EQ(words.GetAt(0), 1);
    EXPECT_EQ(words.GetAt(1), 0);
    EXPECT_EQ(words.SetAt(3, 0xFFFF), 0xFFFF);
    EXPECT_EQ(words.GetAt(3), 0xFFFF);
    EXPECT_TRUE(capture.Assertions().empty());

    EXPECT_EQ(words.GetAt(4), 0);
    words.SetAt(4, 1);
    EXPECT_EQ(words.GetSize(), 4);
    EXPECT_EQ(capture.Assertions().size(), 2u);
}

TEST_F(CollectionsTest, MapKeepsInsertionOrderAndReplacesValues)
{
    KvMapWordToOb map;
    EXPECT_NE(map.IsEmpty(), 0);
    EXPECT_EQ(map.GetStartPosition(), 0u);
    map.SetAt(30, &a);
    map.SetAt(10, &b);
    map.SetAt(20, &c);
    map.SetAt(10, &d);
    EXPECT_EQ(map.GetCount(), 3);

    KvObject* value = &a;
    EXPECT_EQ(map.Lookup(10, value), 1);
    EXPECT_EQ(value, &d);
    value = &a;
    EXPECT_EQ(map.Lookup(11, value), 0);
    EXPECT_EQ(value, &a);

    auto visit = [&map] {
        std::vector<std::pair<WORD, KvObject*>> seen;
        POSITION pos = map.GetStartPosition();
        while (pos != 0) {
            WORD key = 0;
            KvObject* v = nullptr;
            map.GetNextAssoc(pos, key, v);
            seen.emplace_back(key, v);
        }
        return seen;
    };
    EXPECT_EQ(visit(), (std::vector<std::pair<WORD, KvObject*>>{{30, &a}, {10, &d}, {20, &c}}));

    EXPECT_EQ(map.RemoveKey(30), 2);
    EXPECT_EQ(map.RemoveKey(99), 2);
    EXPECT_EQ(visit(), (std::vector<std::pair<WORD, KvObject*>>{{10, &d}, {20, &c}}));

    POSITION last = 2;
    WORD key = 0;
    KvObject* v = nullptr;
    map.GetNextAssoc(last, key, v);
    EXPECT_EQ(last, 0u);
    EXPECT_EQ(key, 20);

    map.GetNextAssoc(last, key, v);
    EXPECT_EQ(capture.Assertions(), (std::vector<std::string>{"(rNextPosition != 0)"}));
}

TEST_F(CollectionsTest, MapOwnsItsPairsButNotTheValues)
{
    const int before = KvObject::GetLiveObjectCount();
    {
        KvMapWordToOb map;  // one object
        map.SetAt(1, &a);
        map.SetAt(2, &b);  // two pairs
        EXPECT_EQ(KvObject::GetLiveObjectCount(), before + 3);
        map.RemoveAll();
        EXPECT_EQ(KvObject::GetLiveObjectCount(), before + 1);
        map.SetAt(3, &c);
    }
    EXPECT_EQ(KvObject::GetLiveObjectCount(), before);
    EXPECT_EQ(static_cast<KvTestObject&>(c).GetText(), "C");
}

TEST_F(CollectionsTest, TestObjectGivesACopyOfItsText)
{
    KvTestObject object(CString("text"));
    CString copy = object.GetText();
    copy.MakeUpper();
    EXPECT_EQ(object.GetText(), "text");
}

}  // namespace
