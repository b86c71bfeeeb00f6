// UInterface (the reflected side of an interface) and IInterface (the native side).

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"

class COREUOBJECT_API UInterface : public UObject
{
	DECLARE_CLASS(UInterface, UObject, CLASS_Abstract | CLASS_Interface | CLASS_Native | CLASS_Intrinsic, CASTCLASS_None, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UInterface)

public:
	UInterface(const FObjectInitializer& ObjectInitializer);
};

class COREUOBJECT_API IInterface
{
protected:
	virtual ~IInterface()
	{
	}

public:
	typedef UInterface UClassType;
};
