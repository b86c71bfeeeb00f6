// FDelegateHandle: identifies one binding so it can be removed from a multicast delegate later.
#pragma once

#include "CoreTypes.h"
#include "Templates/TypeHash.h"

class FDelegateHandle
{
public:
	enum EGenerateNewHandleType
	{
		GenerateNewHandle
	};

	FDelegateHandle() = default;

	explicit FDelegateHandle(EGenerateNewHandleType)
		: ID(GenerateNewID())
	{
	}

	bool IsValid() const { return ID != 0; }
	void Reset() { ID = 0; }

	bool operator==(const FDelegateHandle& Other) const { return ID == Other.ID; }
	bool operator!=(const FDelegateHandle& Other) const { return ID != Other.ID; }

	friend uint32 GetTypeHash(const FDelegateHandle& Handle)
	{
		return GetTypeHash(Handle.ID);
	}

private:
	static CORE_API uint64 GenerateNewID();

	uint64 ID = 0;
};

/** What a delegate is bound to, for diagnostics and RemoveAll. */
enum class EDelegateInstanceKind : uint8
{
	Static,
	Raw,
	Lambda,
	SharedPointer,
	UObject,
	WeakLambda,
	Function,
};
