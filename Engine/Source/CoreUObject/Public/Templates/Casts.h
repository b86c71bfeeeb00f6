// Cast<T>(Object): checked down-casts by reflection, including casts to native interfaces.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/Class.h"
#include "UObject/ObjectPtr.h"

#include <type_traits>

namespace UE::CoreUObject::Private
{
	template<typename T, typename = void>
	struct TIsIInterface : std::false_type
	{
	};

	/** Native interfaces carry UClassType (the reflected UInterface) and do not derive from UObject. */
	template<typename T>
	struct TIsIInterface<T, std::void_t<typename T::UClassType>> : std::bool_constant<!std::is_base_of_v<UObject, T>>
	{
	};

	[[noreturn]] COREUOBJECT_API void CastCheckedFailed(const UObject* Object, const UClass* ToClass);

	template<class From>
	UObject* ToUObject(From* Src)
	{
		if constexpr (TIsIInterface<std::remove_const_t<From>>::value)
		{
			return Src->_getUObject();
		}
		else
		{
			return const_cast<UObject*>(static_cast<const UObject*>(Src));
		}
	}
}

template<class To, class From>
To* Cast(From* Src)
{
	if (Src == nullptr)
	{
		return nullptr;
	}
	if constexpr (UE::CoreUObject::Private::TIsIInterface<To>::value)
	{
		UObject* Object = UE::CoreUObject::Private::ToUObject(Src);
		return (To*)Object->GetNativeInterfaceAddress(To::UClassType::StaticClass());
	}
	else
	{
		UObject* Object = UE::CoreUObject::Private::ToUObject(Src);
		if (Object->IsA(To::StaticClass()))
		{
			return static_cast<To*>(Object);
		}
		return nullptr;
	}
}

template<class To, class From>
To* Cast(const TObjectPtr<From>& Src)
{
	return Cast<To>(Src.Get());
}

template<class To, class From>
To* ExactCast(From* Src)
{
	return Src && UE::CoreUObject::Private::ToUObject(Src)->GetClass() == To::StaticClass() ? static_cast<To*>(UE::CoreUObject::Private::ToUObject(Src)) : nullptr;
}

template<class To, class From>
To* ExactCast(const TObjectPtr<From>& Src)
{
	return ExactCast<To>(Src.Get());
}

enum class ECastCheckedType : uint8
{
	NullAllowed,
	NullChecked
};

template<class To, class From>
To* CastChecked(From* Src, ECastCheckedType CheckType = ECastCheckedType::NullChecked)
{
	if (Src == nullptr)
	{
		if (CheckType == ECastCheckedType::NullChecked)
		{
			UE::CoreUObject::Private::CastCheckedFailed(nullptr, nullptr);
		}
		return nullptr;
	}
	To* Result = Cast<To>(Src);
	if (Result == nullptr)
	{
		UE::CoreUObject::Private::CastCheckedFailed(UE::CoreUObject::Private::ToUObject(Src), nullptr);
	}
	return Result;
}

template<class To, class From>
To* CastChecked(const TObjectPtr<From>& Src, ECastCheckedType CheckType = ECastCheckedType::NullChecked)
{
	return CastChecked<To>(Src.Get(), CheckType);
}
