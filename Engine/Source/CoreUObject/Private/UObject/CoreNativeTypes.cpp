// Reflection of CoreUObject's own classes and of Core's value types, registered by hand (the engine
// declares them in NoExportTypes.h for its header tool; the stand-in's tool knows them by name).

#include "UObject/Class.h"
#include "UObject/UnrealType.h"
#include "UObject/Package.h"
#include "UObject/Interface.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/TopLevelAssetPath.h"
#include "UObject/PropertyText.h"
#include "Math/Vector.h"
#include "Math/Vector2D.h"
#include "Math/Rotator.h"
#include "Math/Color.h"
#include "Math/IntPoint.h"
#include "Misc/FrameRate.h"
#include "Misc/Guid.h"
#include "Math/Quat.h"
#include "Math/Transform.h"

#pragma GCC diagnostic ignored "-Winvalid-offsetof"

using namespace UE::CoreUObject::Private;

UClass* Z_Construct_UClass_UObject_NoRegister() { return UObject::StaticClass(); }
UClass* Z_Construct_UClass_UClass_NoRegister() { return UClass::StaticClass(); }
UClass* Z_Construct_UClass_UPackage_NoRegister() { return UPackage::StaticClass(); }
UClass* Z_Construct_UClass_UInterface_NoRegister() { return UInterface::StaticClass(); }
UClass* Z_Construct_UClass_UField_NoRegister() { return UField::StaticClass(); }
UClass* Z_Construct_UClass_UStruct_NoRegister() { return UStruct::StaticClass(); }
UClass* Z_Construct_UClass_UScriptStruct_NoRegister() { return UScriptStruct::StaticClass(); }
UClass* Z_Construct_UClass_UFunction_NoRegister() { return UFunction::StaticClass(); }
UClass* Z_Construct_UClass_UEnum_NoRegister() { return UEnum::StaticClass(); }
UClass* Z_Construct_UClass_UDelegateFunction_NoRegister() { return UDelegateFunction::StaticClass(); }

template<>
struct TStructOpsTypeTraits<FSoftObjectPath> : public TStructOpsTypeTraitsBase2<FSoftObjectPath>
{
	enum
	{
		WithExportTextItem = true,
		WithImportTextItem = true,
		WithIdenticalViaEquality = true,
	};
};

template<>
struct TStructOpsTypeTraits<FSoftClassPath> : public TStructOpsTypeTraitsBase2<FSoftClassPath>
{
	enum
	{
		WithExportTextItem = true,
		WithImportTextItem = true,
		WithIdenticalViaEquality = true,
	};
};

namespace
{
	UPackage* CoreUObjectPackage()
	{
		return CreatePackage(TEXT("/Script/CoreUObject"));
	}

	UScriptStruct* MakeStruct(const TCHAR* Name, UScriptStruct::ICppStructOps* Ops)
	{
		UScriptStruct* Struct = NewObject<UScriptStruct>(CoreUObjectPackage(), UScriptStruct::StaticClass(), FName(Name), RF_Public | RF_Transient | RF_MarkAsNative);
		Struct->SetCppStructOps(Ops);
		Struct->SetMetaData(TEXT("BlueprintType"), TEXT("true"));
		return Struct;
	}

	template<typename PropertyType>
	void AddField(UScriptStruct* Struct, const TCHAR* Name, int32 Offset)
	{
		Struct->AddCppProperty(new PropertyType(Struct, FName(Name), RF_Public | RF_Transient | RF_MarkAsNative, Offset, (EPropertyFlags)(CPF_Edit | CPF_BlueprintVisible)));
	}

	/** FTopLevelAssetPath's text form is its path ("/Script/Engine.Actor"), quoted when delimited. */
	struct FTopLevelAssetPathOps : public UScriptStruct::TCppStructOps<FTopLevelAssetPath>
	{
		virtual bool HasExportTextItem() override
		{
			return true;
		}
		virtual bool ExportTextItem(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) override
		{
			const FString Path = ((const FTopLevelAssetPath*)PropertyValue)->ToString();
			ValueStr += (PortFlags & PPF_Delimited) ? FString(TEXT("\"")) + Path + TEXT("\"") : Path;
			return true;
		}
		virtual bool HasImportTextItem() override
		{
			return true;
		}
		virtual bool ImportTextItem(const TCHAR*& Buffer, void* Data, int32 PortFlags, UObject* OwnerObject, FOutputDevice* ErrorText) override
		{
			FString Token;
			const TCHAR* Start = SkipWhitespace(Buffer);
			// clang-format off
			const TCHAR* After = *Start == TEXT('"') ? ReadQuotedString(Start, Token) : (PortFlags & PPF_Delimited) ? ReadDelimitedToken(Start, Token) : (Token = FString(Start).TrimStartAndEnd(), Start + FCString::Strlen(Start));
			// clang-format on
			if (!After || !((FTopLevelAssetPath*)Data)->TrySetPath(Token))
			{
				ReportImportError(ErrorText, FString::Printf(TEXT("'%s' is not a top-level asset path"), *Token));
				return false;
			}
			Buffer = After;
			return true;
		}
		virtual bool HasIdentical() override
		{
			return true;
		}
		virtual bool Identical(const void* A, const void* B, uint32 PortFlags, bool& bOutResult) override
		{
			bOutResult = *(const FTopLevelAssetPath*)A == *(const FTopLevelAssetPath*)B;
			return true;
		}
	};
}

#define UE_NATIVE_STRUCT_CONSTRUCT(StructType, Body) \
	UScriptStruct* Z_Construct_UScriptStruct_##StructType() \
	{ \
		static UScriptStruct* Struct = nullptr; \
		if (!Struct) \
		{ \
			Body \
		} \
		return Struct; \
	}

// clang-format off
UE_NATIVE_STRUCT_CONSTRUCT(FVector,
	Struct = MakeStruct(TEXT("Vector"), new UScriptStruct::TCppStructOps<FVector>());
	AddField<FDoubleProperty>(Struct, TEXT("X"), STRUCT_OFFSET(FVector, X));
	AddField<FDoubleProperty>(Struct, TEXT("Y"), STRUCT_OFFSET(FVector, Y));
	AddField<FDoubleProperty>(Struct, TEXT("Z"), STRUCT_OFFSET(FVector, Z));)

UE_NATIVE_STRUCT_CONSTRUCT(FVector2D,
	Struct = MakeStruct(TEXT("Vector2D"), new UScriptStruct::TCppStructOps<FVector2D>());
	AddField<FDoubleProperty>(Struct, TEXT("X"), STRUCT_OFFSET(FVector2D, X));
	AddField<FDoubleProperty>(Struct, TEXT("Y"), STRUCT_OFFSET(FVector2D, Y));)

UE_NATIVE_STRUCT_CONSTRUCT(FRotator,
	Struct = MakeStruct(TEXT("Rotator"), new UScriptStruct::TCppStructOps<FRotator>());
	AddField<FDoubleProperty>(Struct, TEXT("Pitch"), STRUCT_OFFSET(FRotator, Pitch));
	AddField<FDoubleProperty>(Struct, TEXT("Yaw"), STRUCT_OFFSET(FRotator, Yaw));
	AddField<FDoubleProperty>(Struct, TEXT("Roll"), STRUCT_OFFSET(FRotator, Roll));)

UE_NATIVE_STRUCT_CONSTRUCT(FLinearColor,
	Struct = MakeStruct(TEXT("LinearColor"), new UScriptStruct::TCppStructOps<FLinearColor>());
	AddField<FFloatProperty>(Struct, TEXT("R"), STRUCT_OFFSET(FLinearColor, R));
	AddField<FFloatProperty>(Struct, TEXT("G"), STRUCT_OFFSET(FLinearColor, G));
	AddField<FFloatProperty>(Struct, TEXT("B"), STRUCT_OFFSET(FLinearColor, B));
	AddField<FFloatProperty>(Struct, TEXT("A"), STRUCT_OFFSET(FLinearColor, A));)

UE_NATIVE_STRUCT_CONSTRUCT(FColor,
	Struct = MakeStruct(TEXT("Color"), new UScriptStruct::TCppStructOps<FColor>());
	AddField<FByteProperty>(Struct, TEXT("B"), STRUCT_OFFSET(FColor, B));
	AddField<FByteProperty>(Struct, TEXT("G"), STRUCT_OFFSET(FColor, G));
	AddField<FByteProperty>(Struct, TEXT("R"), STRUCT_OFFSET(FColor, R));
	AddField<FByteProperty>(Struct, TEXT("A"), STRUCT_OFFSET(FColor, A));)

UE_NATIVE_STRUCT_CONSTRUCT(FIntPoint,
	Struct = MakeStruct(TEXT("IntPoint"), new UScriptStruct::TCppStructOps<FIntPoint>());
	AddField<FIntProperty>(Struct, TEXT("X"), STRUCT_OFFSET(FIntPoint, X));
	AddField<FIntProperty>(Struct, TEXT("Y"), STRUCT_OFFSET(FIntPoint, Y));)

UE_NATIVE_STRUCT_CONSTRUCT(FFrameRate,
	Struct = MakeStruct(TEXT("FrameRate"), new UScriptStruct::TCppStructOps<FFrameRate>());
	AddField<FIntProperty>(Struct, TEXT("Numerator"), STRUCT_OFFSET(FFrameRate, Numerator));
	AddField<FIntProperty>(Struct, TEXT("Denominator"), STRUCT_OFFSET(FFrameRate, Denominator));)

UE_NATIVE_STRUCT_CONSTRUCT(FSoftObjectPath,
	Struct = MakeStruct(TEXT("SoftObjectPath"), new UScriptStruct::TCppStructOps<FSoftObjectPath>());)

UE_NATIVE_STRUCT_CONSTRUCT(FSoftClassPath,
	Struct = MakeStruct(TEXT("SoftClassPath"), new UScriptStruct::TCppStructOps<FSoftClassPath>());
	Struct->SetSuperStruct(Z_Construct_UScriptStruct_FSoftObjectPath());)

UE_NATIVE_STRUCT_CONSTRUCT(FTopLevelAssetPath,
	Struct = MakeStruct(TEXT("TopLevelAssetPath"), new FTopLevelAssetPathOps());)
// clang-format on

namespace
{
	/** FGuid's text form: 32 hexadecimal digits (A, B, C, D), as the engine exports it. */
	struct FGuidOps : public UScriptStruct::TCppStructOps<FGuid>
	{
		virtual bool HasExportTextItem() override
		{
			return true;
		}
		virtual bool ExportTextItem(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) override
		{
			const FGuid& Guid = *(const FGuid*)PropertyValue;
			ValueStr += FString::Printf(TEXT("%08X%08X%08X%08X"), Guid.A, Guid.B, Guid.C, Guid.D);
			return true;
		}
		virtual bool HasImportTextItem() override
		{
			return true;
		}
		virtual bool ImportTextItem(const TCHAR*& Buffer, void* Data, int32 PortFlags, UObject* OwnerObject, FOutputDevice* ErrorText) override
		{
			const TCHAR* Cursor = SkipWhitespace(Buffer);
			uint32 Parts[4] = { 0, 0, 0, 0 };
			for (int32 Digit = 0; Digit < 32; ++Digit)
			{
				const TCHAR Char = Cursor[Digit];
				uint32 Value;
				if (Char >= TEXT('0') && Char <= TEXT('9'))
				{
					Value = (uint32)(Char - TEXT('0'));
				}
				else if (Char >= TEXT('A') && Char <= TEXT('F'))
				{
					Value = (uint32)(Char - TEXT('A') + 10);
				}
				else if (Char >= TEXT('a') && Char <= TEXT('f'))
				{
					Value = (uint32)(Char - TEXT('a') + 10);
				}
				else
				{
					ReportImportError(ErrorText, FString::Printf(TEXT("'%s' is not a GUID (32 hexadecimal digits)"), Cursor));
					return false;
				}
				Parts[Digit / 8] = (Parts[Digit / 8] << 4) | Value;
			}
			FGuid& Guid = *(FGuid*)Data;
			Guid.A = Parts[0];
			Guid.B = Parts[1];
			Guid.C = Parts[2];
			Guid.D = Parts[3];
			Buffer = Cursor + 32;
			return true;
		}
	};
}

// clang-format off
UE_NATIVE_STRUCT_CONSTRUCT(FGuid,
	Struct = MakeStruct(TEXT("Guid"), new FGuidOps());
	AddField<FUInt32Property>(Struct, TEXT("A"), STRUCT_OFFSET(FGuid, A));
	AddField<FUInt32Property>(Struct, TEXT("B"), STRUCT_OFFSET(FGuid, B));
	AddField<FUInt32Property>(Struct, TEXT("C"), STRUCT_OFFSET(FGuid, C));
	AddField<FUInt32Property>(Struct, TEXT("D"), STRUCT_OFFSET(FGuid, D));)

UE_NATIVE_STRUCT_CONSTRUCT(FQuat,
	Struct = MakeStruct(TEXT("Quat"), new UScriptStruct::TCppStructOps<FQuat>());
	AddField<FDoubleProperty>(Struct, TEXT("X"), STRUCT_OFFSET(FQuat, X));
	AddField<FDoubleProperty>(Struct, TEXT("Y"), STRUCT_OFFSET(FQuat, Y));
	AddField<FDoubleProperty>(Struct, TEXT("Z"), STRUCT_OFFSET(FQuat, Z));
	AddField<FDoubleProperty>(Struct, TEXT("W"), STRUCT_OFFSET(FQuat, W));)

UE_NATIVE_STRUCT_CONSTRUCT(FTransform,
	Struct = MakeStruct(TEXT("Transform"), new UScriptStruct::TCppStructOps<FTransform>());
	const EPropertyFlags FieldFlags = (EPropertyFlags)(CPF_Edit | CPF_BlueprintVisible);
	Struct->AddCppProperty(new FStructProperty(Struct, FName(TEXT("Rotation")), RF_Public | RF_Transient | RF_MarkAsNative, STRUCT_OFFSET(FTransform, Rotation), FieldFlags, Z_Construct_UScriptStruct_FQuat()));
	Struct->AddCppProperty(new FStructProperty(Struct, FName(TEXT("Translation")), RF_Public | RF_Transient | RF_MarkAsNative, STRUCT_OFFSET(FTransform, Translation), FieldFlags, Z_Construct_UScriptStruct_FVector()));
	Struct->AddCppProperty(new FStructProperty(Struct, FName(TEXT("Scale3D")), RF_Public | RF_Transient | RF_MarkAsNative, STRUCT_OFFSET(FTransform, Scale3D), FieldFlags, Z_Construct_UScriptStruct_FVector()));)
// clang-format on

template<>
UScriptStruct* StaticStruct<FVector>() { return Z_Construct_UScriptStruct_FVector(); }
template<>
UScriptStruct* StaticStruct<FVector2D>() { return Z_Construct_UScriptStruct_FVector2D(); }
template<>
UScriptStruct* StaticStruct<FRotator>() { return Z_Construct_UScriptStruct_FRotator(); }
template<>
UScriptStruct* StaticStruct<FLinearColor>() { return Z_Construct_UScriptStruct_FLinearColor(); }
template<>
UScriptStruct* StaticStruct<FColor>() { return Z_Construct_UScriptStruct_FColor(); }
template<>
UScriptStruct* StaticStruct<FIntPoint>() { return Z_Construct_UScriptStruct_FIntPoint(); }
template<>
UScriptStruct* StaticStruct<FFrameRate>() { return Z_Construct_UScriptStruct_FFrameRate(); }
template<>
UScriptStruct* StaticStruct<FSoftObjectPath>() { return Z_Construct_UScriptStruct_FSoftObjectPath(); }
template<>
UScriptStruct* StaticStruct<FTopLevelAssetPath>() { return Z_Construct_UScriptStruct_FTopLevelAssetPath(); }
