// TScriptInterface: an object plus its native interface part (null for Blueprint implementations).

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/Class.h"

class FScriptInterface
{
public:
	FScriptInterface() = default;
	FScriptInterface(UObject* InObjectPointer, void* InInterfacePointer)
		: ObjectPointer(InObjectPointer)
		, InterfacePointer(InInterfacePointer)
	{
	}

	UObject* GetObject() const
	{
		return ObjectPointer;
	}

	UObject*& GetObjectRef()
	{
		return ObjectPointer;
	}

	void* GetInterface() const
	{
		return ObjectPointer ? InterfacePointer : nullptr;
	}

	void SetObject(UObject* InObjectPointer)
	{
		ObjectPointer = InObjectPointer;
		if (!ObjectPointer)
		{
			InterfacePointer = nullptr;
		}
	}

	void SetInterface(void* InInterfacePointer)
	{
		InterfacePointer = InInterfacePointer;
	}

	bool operator==(const FScriptInterface& Other) const
	{
		return ObjectPointer == Other.ObjectPointer && InterfacePointer == Other.InterfacePointer;
	}

	bool operator!=(const FScriptInterface& Other) const
	{
		return !(*this == Other);
	}

private:
	UObject* ObjectPointer = nullptr;
	void* InterfacePointer = nullptr;
};

template<class InterfaceType>
class TScriptInterface : public FScriptInterface
{
public:
	TScriptInterface() = default;
	TScriptInterface(std::nullptr_t)
	{
	}

	template<class UObjectType>
	TScriptInterface(UObjectType* SourceObject)
	{
		(*this) = SourceObject;
	}

	template<class UObjectType>
	TScriptInterface& operator=(UObjectType* SourceObject)
	{
		UObject* Object = (UObject*)SourceObject;
		SetObject(Object);
		SetInterface(Object ? Object->GetNativeInterfaceAddress(InterfaceType::UClassType::StaticClass()) : nullptr);
		return *this;
	}

	InterfaceType* operator->() const
	{
		return (InterfaceType*)GetInterface();
	}

	InterfaceType& operator*() const
	{
		return *(InterfaceType*)GetInterface();
	}

	explicit operator bool() const
	{
		return GetObject() != nullptr;
	}
};
