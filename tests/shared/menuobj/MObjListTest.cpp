#include "shared/menuobj/MObjList.h"

#include <gtest/gtest.h>

namespace {

// Counts its deletions, so that a test sees which objects a list deleted.
class CCounted : public CObject
{
public:
    explicit CCounted(int* pDeleted) : m_pDeleted(pDeleted) {}
    ~CCounted() override { ++*m_pDeleted; }

private:
    int* m_pDeleted;
};

} // namespace

TEST(MObjListTest, AddRefusesAtTheMaximumAndLeavesTheListUnchanged)
{
    int nDeleted = 0;
    CMObjList list;
    EXPECT_EQ(100, list.GetMaxCount());
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(1, list.Add(new CCounted(&nDeleted)));

    CCounted extra(&nDeleted);
    EXPECT_EQ(0, list.Add(&extra));
    EXPECT_EQ(100, list.GetSize());
    EXPECT_NE(&extra, list.GetAt(99));

    list.SetMaxCount(101);
    EXPECT_EQ(1, list.Add(new CCounted(&nDeleted)));
    list.DeleteAll();
    EXPECT_EQ(101, nDeleted);
    EXPECT_EQ(0, list.GetSize());
}

TEST(MObjListTest, GetNextEndsWithNullOnceAndStartsAgain)
{
    int nDeleted = 0;
    CMObjList list;
    CObject* pFirst = new CCounted(&nDeleted);
    CObject* pSecond = new CCounted(&nDeleted);
    list.Add(pFirst);
    list.Add(pSecond);

    EXPECT_EQ(pFirst, list.GetNext());
    EXPECT_EQ(pSecond, list.GetNext());
    EXPECT_EQ(nullptr, list.GetNext());
    EXPECT_EQ(pFirst, list.GetNext());

    list.ResetCursor();
    EXPECT_EQ(pFirst, list.GetNext());
    list.DeleteAll();
    EXPECT_EQ(nullptr, list.GetNext());
}

TEST(MObjListTest, RemoveDeletesOnlyListedObjectsAndKeepsTheWalkInStep)
{
    int nDeleted = 0;
    CMObjList list;
    CObject* objects[3];
    for (CObject*& pObject : objects)
    {
        pObject = new CCounted(&nDeleted);
        list.Add(pObject);
    }

    CCounted stranger(&nDeleted);
    list.Remove(&stranger);
    EXPECT_EQ(0, nDeleted);
    EXPECT_EQ(3, list.GetSize());

    EXPECT_EQ(objects[0], list.GetNext());
    EXPECT_EQ(objects[1], list.GetNext());
    list.Remove(objects[0]);
    EXPECT_EQ(1, nDeleted);
    EXPECT_EQ(objects[2], list.GetNext());
    EXPECT_EQ(nullptr, list.GetNext());

    list.DeleteAll();
    EXPECT_EQ(3, nDeleted);
}
