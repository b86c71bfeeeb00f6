#include "Delegates/IDelegateInstance.h"
#include <atomic>

uint64 FDelegateHandle::GenerateNewID()
{
	// Zero is reserved for "no handle".
	static std::atomic<uint64> NextID{ 1 };
	return NextID.fetch_add(1);
}
