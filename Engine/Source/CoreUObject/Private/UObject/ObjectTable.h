// The object table: slots (index + serial number) for weak pointers, and the lookup by outer and name.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

DECLARE_LOG_CATEGORY_EXTERN(LogUObjectGlobals, Log, All);

namespace UE::CoreUObject::Private
{
	struct FObjectItem
	{
		UObjectBase* Object = nullptr;
		int32 SerialNumber = 0;
		int32 InternalFlags = 0;
	};

	struct FOuterNameKey
	{
		const void* Outer;
		std::u16string LowerName;

		bool operator==(const FOuterNameKey& Other) const
		{
			return Outer == Other.Outer && LowerName == Other.LowerName;
		}
	};

	struct FOuterNameKeyHash
	{
		size_t operator()(const FOuterNameKey& Key) const
		{
			return std::hash<const void*>()(Key.Outer) ^ (std::hash<std::u16string>()(Key.LowerName) * 31);
		}
	};

	class FObjectTable
	{
	public:
		static FObjectTable& Get();

		int32 Allocate(UObjectBase* Object);
		void Free(int32 Index);

		FObjectItem* GetItem(int32 Index)
		{
			return Index >= 0 && Index < (int32)Items.size() ? &Items[(size_t)Index] : nullptr;
		}

		bool IsLive(const void* Object) const
		{
			return LivePointers.count(Object) != 0;
		}

		int32 Num() const
		{
			return (int32)Items.size();
		}

		void AddToHash(UObjectBase* Object);
		void RemoveFromHash(UObjectBase* Object);
		UObjectBase* FindInHash(const UObject* Outer, FName Name) const;

		/** Every live object, in slot order. */
		template<typename FuncType>
		void ForEachObject(FuncType Func)
		{
			for (size_t Index = 0; Index < Items.size(); ++Index)
			{
				if (UObjectBase* Object = Items[Index].Object)
				{
					Func((UObject*)Object);
				}
			}
		}

	private:
		std::vector<FObjectItem> Items;
		std::vector<int32> FreeSlots;
		int32 NextSerial = 1;
		std::unordered_set<const void*> LivePointers;
		std::unordered_map<FOuterNameKey, UObjectBase*, FOuterNameKeyHash> ByOuterName;
	};

	std::u16string LowerName(FName Name);

	/** Raw memory for an object of a class (zeroed), and its release. */
	void* AllocateObjectMemory(int32 Size, int32 Alignment);
	void FreeObjectMemory(void* Memory);

	/** Objects under construction on this thread, innermost last. */
	std::vector<FObjectInitializer*>& GetInitializerStack();

	/** Config of the CDO (called once it is constructed). */
	void LoadConfigForNewDefaultObject(UObject* Object);
}
