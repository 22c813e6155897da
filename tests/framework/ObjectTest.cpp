#include "framework/Archive.h"
#include "framework/Collections.h"
#include "framework/Object.h"

#include <gtest/gtest.h>

namespace object_test {

class CAnimal : public CObject
{
    DECLARE_DYNAMIC(CAnimal)
};
class CDog : public CAnimal
{
    DECLARE_DYNCREATE(CDog)
public:
    int m_nLegs = 4;
};
class CPuppy : public CDog
{
    DECLARE_SERIAL(CPuppy)
};

IMPLEMENT_DYNAMIC(CAnimal, CObject)
IMPLEMENT_DYNCREATE(CDog, CAnimal)
IMPLEMENT_SERIAL(CPuppy, CDog, 1)

TEST(RuntimeClass, KindOfFollowsTheWholeBaseChain)
{
    CPuppy puppy;
    EXPECT_TRUE(puppy.IsKindOf(RUNTIME_CLASS(CPuppy)));
    EXPECT_TRUE(puppy.IsKindOf(RUNTIME_CLASS(CDog)));
    EXPECT_TRUE(puppy.IsKindOf(RUNTIME_CLASS(CAnimal)));
    EXPECT_TRUE(puppy.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(puppy.IsKindOf(RUNTIME_CLASS(CObArray)));

    // By name, for classes of a library above.
    EXPECT_TRUE(IsKindOfName(&puppy, "CAnimal"));
    EXPECT_FALSE(IsKindOfName(&puppy, "CPup"));
    EXPECT_FALSE(IsKindOfName(nullptr, "CObject"));

    CDog dog;
    EXPECT_FALSE(dog.IsKindOf(RUNTIME_CLASS(CPuppy)));
    EXPECT_FALSE(IsKindOfName(&dog, "CPuppy"));
    EXPECT_STREQ("CPuppy", puppy.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(puppy.IsSerializable());
    EXPECT_FALSE(dog.IsSerializable());
}

TEST(RuntimeClass, CreatesObjectsFromTheirClassRecordOrName)
{
    CObject* pObject = RUNTIME_CLASS(CDog)->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CDog)));
    EXPECT_EQ(4, static_cast<CDog*>(pObject)->m_nLegs);
    delete pObject;

    CObject* pByName = CRuntimeClass::CreateObject("CPuppy");
    ASSERT_NE(nullptr, pByName);
    EXPECT_EQ(RUNTIME_CLASS(CPuppy), pByName->GetRuntimeClass());
    delete pByName;

    // Classes that are not dynamically creatable give nothing.
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CAnimal)->CreateObject());
    EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("CNoSuchClass"));
}

TEST(RuntimeClass, DynamicDowncastChecksTheClass)
{
    CDog dog;
    CObject* p = &dog;
    EXPECT_EQ(&dog, DYNAMIC_DOWNCAST(CAnimal, p));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CPuppy, p));
}

TEST(Collections, ArraysClampReadsAndGrowOnDemand)
{
    CUIntArray a;
    a.SetAtGrow(3, 7);
    EXPECT_EQ(4, a.GetSize());
    EXPECT_EQ(0u, a[0]);
    EXPECT_EQ(7u, a[3]);
    EXPECT_EQ(0u, a.GetAt(99));   // out of range reads a default, never past the end
    a.InsertAt(1, 5, 2);
    EXPECT_EQ(6, a.GetSize());
    a.RemoveAt(0, 3);
    EXPECT_EQ(3, a.GetSize());
    EXPECT_EQ(7u, a[2]);
    a.RemoveAt(2, 100);           // a count past the end removes up to the end
    EXPECT_EQ(2, a.GetSize());
}

TEST(Collections, PointerArraysDoNotOwnTheirObjects)
{
    CDog dog;
    {
        CObArray array;
        array.Add(&dog);
        EXPECT_EQ(&dog, array[0]);
    }
    EXPECT_EQ(4, dog.m_nLegs);   // still alive after the array is gone
}

TEST(Collections, ListsWalkBothWaysAndRemoveInPlace)
{
    CStringList list;
    list.AddTail("b");
    list.AddHead("a");
    POSITION posC = list.AddTail("c");
    list.InsertBefore(posC, "b2");
    CString walked;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        walked += list.GetNext(pos);
    EXPECT_EQ(CString("abb2c"), walked);

    list.RemoveAt(list.Find("b"));
    walked.Empty();
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        walked += list.GetPrev(pos);
    EXPECT_EQ(CString("cb2a"), walked);
    EXPECT_EQ(CString("a"), list.RemoveHead());
    EXPECT_EQ(CString("c"), list.RemoveTail());
    EXPECT_EQ(1, list.GetCount());
    EXPECT_EQ(nullptr, list.FindIndex(1));
}

TEST(Collections, MapsLookUpAndWalkEveryEntry)
{
    CMapStringToPtr map;
    int one = 1, two = 2;
    map.SetAt("one", &one);
    map["two"] = &two;
    void* p = nullptr;
    EXPECT_TRUE(map.Lookup("two", p));
    EXPECT_EQ(&two, p);
    EXPECT_FALSE(map.Lookup("three", p));

    int seen = 0;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;)
    {
        CString key;
        void* value;
        map.GetNextAssoc(pos, key, value);
        seen += *static_cast<int*>(value);
    }
    EXPECT_EQ(3, seen);
    EXPECT_TRUE(map.RemoveKey("one"));
    EXPECT_EQ(1, map.GetCount());
}

} // namespace object_test
