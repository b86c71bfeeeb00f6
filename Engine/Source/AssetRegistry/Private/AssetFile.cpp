#include "AssetFile.h"

#include "AssetRegistryLog.h"
#include "Containers/Set.h"
#include "StringConversion.h"
#include "Templates/Casts.h"
#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/UObjectHash.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

// The stand-in asset form (one JSON document per package):
//   { "Class": "/Script/Module.Class", "Properties": { "Name": "<text form>" }, "Subobjects": [ { "Name": ..., "Class": ..., ... } ] }
// Values are in the engine's property text form, so any reflected class can be an asset.

using FJson = nlohmann::ordered_json;

const TCHAR* const AssetFile::AssetExtension = TEXT(".uasset.json");
const TCHAR* const AssetFile::MapExtension = TEXT(".umap.json");

namespace
{
	/**
	 * The first text the file would make a name of (an object's name or class path, a property's name) that is
	 * NAME_SIZE characters or longer, or nothing. A package's names come from its name table, which cannot hold such a name; text
	 * here can, and making a name of it stops the engine at its check.
	 */
	FString FindOverlongName(const FJson& Object)
	{
		if (!Object.is_object())
		{
			return FString();
		}
		for (const char* Field : { "Name", "Class" })
		{
			if (Object.contains(Field) && Object[Field].is_string())
			{
				FString Name = AssetStrings::FromUtf8(Object[Field].get<std::string>());
				if (Name.Len() >= NAME_SIZE)
				{
					return Name;
				}
			}
		}
		if (Object.contains("Properties") && Object["Properties"].is_object())
		{
			for (const auto& Entry : Object["Properties"].items())
			{
				FString Name = AssetStrings::FromUtf8(Entry.key());
				if (Name.Len() >= NAME_SIZE)
				{
					return Name;
				}
			}
		}
		if (Object.contains("Subobjects") && Object["Subobjects"].is_array())
		{
			for (const FJson& Subobject : Object["Subobjects"])
			{
				FString Name = FindOverlongName(Subobject);
				if (!Name.IsEmpty())
				{
					return Name;
				}
			}
		}
		return FString();
	}

	/** The longest run of the text that a name could be made of: the text form's delimiters end a run; a package path with its slashes is one name. */
	int32 LongestNameRun(const FString& Text)
	{
		int32 Longest = 0;
		int32 Run = 0;
		for (TCHAR Char : Text)
		{
			if (FChar::IsWhitespace(Char) || FCString::Strchr(TEXT("()[]{},=\"'\\.:"), Char) != nullptr)
			{
				Run = 0;
				continue;
			}
			Longest = FMath::Max(Longest, ++Run);
		}
		return Longest;
	}

	/** Whether the property holds only free text (strings and texts, or containers of them), never a name. */
	bool HoldsOnlyText(const FProperty* Property)
	{
		if (const FArrayProperty* Array = CastField<FArrayProperty>(Property))
		{
			return HoldsOnlyText(Array->Inner);
		}
		if (const FMapProperty* Map = CastField<FMapProperty>(Property))
		{
			return HoldsOnlyText(Map->KeyProp) && HoldsOnlyText(Map->ValueProp);
		}
		return CastField<FStrProperty>(Property) != nullptr || CastField<FTextProperty>(Property) != nullptr;
	}

	bool ReadJson(const FString& Filename, FJson& OutJson)
	{
		std::ifstream Stream(AssetStrings::ToUtf8(Filename), std::ios::binary);
		if (!Stream)
		{
			UE_LOG(LogAssetRegistry, Warning, TEXT("Could not read asset file %s"), *Filename);
			return false;
		}
		std::stringstream Buffer;
		Buffer << Stream.rdbuf();
		try
		{
			OutJson = FJson::parse(Buffer.str());
		}
		catch (const FJson::exception& Exception)
		{
			UE_LOG(LogAssetRegistry, Warning, TEXT("Asset file %s is malformed: %s"), *Filename, *AssetStrings::FromUtf8(Exception.what()));
			return false;
		}
		if (!OutJson.is_object() || !OutJson.contains("Class") || !OutJson["Class"].is_string())
		{
			UE_LOG(LogAssetRegistry, Warning, TEXT("Asset file %s is malformed: it has no \"Class\" string"), *Filename);
			return false;
		}
		if (OutJson.contains("Name") && (!OutJson["Name"].is_string() || OutJson["Name"].get<std::string>().empty()))
		{
			UE_LOG(LogAssetRegistry, Warning, TEXT("Asset file %s is malformed: its \"Name\" is not a name"), *Filename);
			return false;
		}
		const FString Name = FindOverlongName(OutJson);
		if (!Name.IsEmpty())
		{
			UE_LOG(LogAssetRegistry, Warning, TEXT("Asset file %s is malformed: it holds a name of %d characters (%s...); names take up to %d"), *Filename, Name.Len(), *Name.Left(32), NAME_SIZE - 1);
			return false;
		}
		return true;
	}

	UClass* FindClassByPath(const FString& ClassPath)
	{
		return FindObject<UClass>(nullptr, *ClassPath);
	}

	/** One object of the file with its JSON, kept until its properties are imported. */
	struct FPendingObject
	{
		UObject* Object;
		const FJson* Json;
	};

	/** Creates (or finds, for default subobjects) the object and its subobjects; children come first in OutObjects. */
	bool CreateObjects(const FJson& Json, UObject* Outer, const FString& Name, EObjectFlags Flags, const FString& Filename, TArray<FPendingObject>& OutObjects, UObject*& OutObject)
	{
		// A name holding a path's delimiters makes a path to the object that reads as another object's, and one
		// holding the text form's (a parenthesis, a comma, a quote) cuts short every saved reference to it.
		for (int32 Index = 0; Index < Name.Len(); ++Index)
		{
			if (FCString::Strchr(INVALID_OBJECTNAME_CHARACTERS, Name[Index]) != nullptr)
			{
				UE_LOG(LogAssetRegistry, Error, TEXT("Asset file %s: the object name \"%s\" holds '%s' at %d; object names may not hold any of %s"), *Filename, *Name.ReplaceCharWithEscapedChar(), *FString::Chr(Name[Index]).ReplaceCharWithEscapedChar(), Index, *FString(INVALID_OBJECTNAME_CHARACTERS).ReplaceCharWithEscapedChar());
				return false;
			}
		}
		const FString ClassPath = AssetStrings::FromUtf8(Json["Class"].get<std::string>());
		UClass* Class = FindClassByPath(ClassPath);
		// An abstract class has no objects of its own: such an object is as unusable as one of a missing class.
		const TCHAR* Unusable = nullptr;
		if (Class == nullptr)
		{
			Unusable = TEXT("unknown class");
		}
		else if (Class->HasAnyClassFlags(CLASS_Abstract))
		{
			Unusable = TEXT("abstract class");
		}
		if (Unusable && Outer->IsA(UPackage::StaticClass()))
		{
			UE_LOG(LogAssetRegistry, Error, TEXT("Asset file %s: %s %s for %s"), *Filename, Unusable, *ClassPath, *Name);
			return false;
		}
		if (Unusable)
		{
			// As the engine's linker does with an export whose class is missing: the rest of the package loads, and
			// references to the object (and to its own subobjects) load as null.
			UE_LOG(LogAssetRegistry, Warning, TEXT("Asset file %s: %s %s for %s; it is not loaded"), *Filename, Unusable, *ClassPath, *Name);
			OutObject = nullptr;
			return true;
		}
		// By name alone, as the engine's linker finds an export's object: the text is a name, not a path to resolve.
		const FName ObjectName(*Name);
		UObject* Object = FindObjectFast<UObject>(Outer, ObjectName);
		if (Object != nullptr && !Object->IsA(Class))
		{
			UE_LOG(LogAssetRegistry, Error, TEXT("Asset file %s: %s exists already as a %s, not a %s"), *Filename, *Object->GetPathName(), *Object->GetClass()->GetName(), *ClassPath);
			return false;
		}
		if (Object == nullptr)
		{
			Object = NewObject<UObject>(Outer, Class, ObjectName, Flags);
		}

		if (Json.contains("Subobjects"))
		{
			const FJson& Subobjects = Json["Subobjects"];
			if (!Subobjects.is_array())
			{
				UE_LOG(LogAssetRegistry, Error, TEXT("Asset file %s: \"Subobjects\" of %s is not a list"), *Filename, *Name);
				return false;
			}
			// Names compare without case, as FNames do; the package that saved this text could not have held both.
			TSet<FName> ChildNames;
			for (const FJson& Subobject : Subobjects)
			{
				if (!Subobject.is_object() || !Subobject.contains("Name") || !Subobject["Name"].is_string() || !Subobject.contains("Class") || !Subobject["Class"].is_string())
				{
					UE_LOG(LogAssetRegistry, Error, TEXT("Asset file %s: a subobject of %s has no \"Name\" and \"Class\" strings"), *Filename, *Name);
					return false;
				}
				const FString ChildName = AssetStrings::FromUtf8(Subobject["Name"].get<std::string>());
				bool bAlreadyNamed = false;
				ChildNames.Add(FName(*ChildName), &bAlreadyNamed);
				if (bAlreadyNamed)
				{
					UE_LOG(LogAssetRegistry, Error, TEXT("Asset file %s: %s has two subobjects named %s"), *Filename, *Name, *ChildName);
					return false;
				}
				UObject* Child = nullptr;
				if (!CreateObjects(Subobject, Object, ChildName, RF_Public, Filename, OutObjects, Child))
				{
					return false;
				}
			}
		}
		OutObjects.Add(FPendingObject{ Object, &Json });
		OutObject = Object;
		return true;
	}

	/**
	 * Imports the text into the property; when the text fails part way (an array with some of its elements read), the
	 * property is put back as it was, so a bad value never leaves half of one behind.
	 */
	bool ImportKeepingValueOnFailure(const FProperty* Property, UObject* Object, const FString& Text)
	{
		void* Value = Property->ContainerPtrToValuePtr<void>(Object);
		std::vector<std::max_align_t> Saved((Property->GetSize() + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t) + 1);
		uint8* SavedValue = reinterpret_cast<uint8*>(Saved.data());
		for (int32 Index = 0; Index < Property->ArrayDim; ++Index)
		{
			Property->InitializeValue(SavedValue + Index * Property->GetElementSize());
		}
		Property->CopyCompleteValue(SavedValue, Value);
		const bool bImported = Property->ImportText_Direct(*Text, Value, Object, PPF_None) != nullptr;
		if (!bImported)
		{
			Property->CopyCompleteValue(Value, SavedValue);
		}
		for (int32 Index = 0; Index < Property->ArrayDim; ++Index)
		{
			Property->DestroyValue(SavedValue + Index * Property->GetElementSize());
		}
		return bImported;
	}

	/** Imports the "Properties" of one object; a bad value is reported and the property keeps its default. */
	void ImportProperties(const FPendingObject& Pending, const FString& Filename)
	{
		if (!Pending.Json->contains("Properties"))
		{
			return;
		}
		const FJson& Properties = (*Pending.Json)["Properties"];
		UObject* Object = Pending.Object;
		if (!Properties.is_object())
		{
			UE_LOG(LogAssetRegistry, Warning, TEXT("Asset file %s: \"Properties\" of %s is not an object"), *Filename, *Object->GetName());
			return;
		}
		for (const auto& [Key, Value] : Properties.items())
		{
			const FString PropertyName = AssetStrings::FromUtf8(Key);
			FProperty* Property = FindFProperty<FProperty>(Object->GetClass(), FName(*PropertyName));
			if (Property == nullptr)
			{
				UE_LOG(LogAssetRegistry, Warning, TEXT("Asset file %s: %s has no property %s"), *Filename, *Object->GetClass()->GetName(), *PropertyName);
				continue;
			}
			FString Text;
			if (Value.is_string())
			{
				Text = AssetStrings::FromUtf8(Value.get<std::string>());
			}
			else if (Value.is_number() || Value.is_boolean())
			{
				Text = AssetStrings::FromUtf8(Value.dump());
			}
			else
			{
				UE_LOG(LogAssetRegistry, Warning, TEXT("Asset file %s: %s.%s must be text in the property text form"), *Filename, *Object->GetName(), *PropertyName);
				continue;
			}
			const int32 NameRun = HoldsOnlyText(Property) ? 0 : LongestNameRun(Text);
			if (NameRun >= NAME_SIZE)
			{
				UE_LOG(LogAssetRegistry, Warning, TEXT("Asset file %s: could not import %s.%s: its text holds a name of %d characters; names take up to %d"), *Filename, *Object->GetName(), *PropertyName, NameRun, NAME_SIZE - 1);
				continue;
			}
			if (!ImportKeepingValueOnFailure(Property, Object, Text))
			{
				UE_LOG(LogAssetRegistry, Warning, TEXT("Asset file %s: could not import %s.%s from \"%s\""), *Filename, *Object->GetName(), *PropertyName, *Text);
			}
		}
	}

	/** The object, its non-default properties and its subobjects, in the asset form. */
	FJson SerializeObject(UObject* Object)
	{
		UClass* Class = Object->GetClass();
		const UObject* Defaults = Class->GetDefaultObject();
		FJson Json = FJson::object();
		Json["Class"] = AssetStrings::ToUtf8(Class->GetPathName());

		FJson Properties = FJson::object();
		for (TFieldIterator<FProperty> It(Class); It; ++It)
		{
			FProperty* Property = *It;
			if (Property->HasAnyPropertyFlags(CPF_Transient))
			{
				continue;
			}
			checkf(Property->ArrayDim == 1, TEXT("Saving static array properties is not implemented in the stand-in (%s)"), *Property->GetName());
			if (Defaults != nullptr && Property->Identical_InContainer(Object, Defaults))
			{
				continue;
			}
			FString Text;
			Property->ExportTextItem_Direct(Text, Property->ContainerPtrToValuePtr<void>(Object), nullptr, Object, PPF_None);
			Properties[AssetStrings::ToUtf8(Property->GetName())] = AssetStrings::ToUtf8(Text);
		}
		if (!Properties.empty())
		{
			Json["Properties"] = std::move(Properties);
		}

		TArray<UObject*> Children;
		GetObjectsWithOuter(Object, Children, false);
		// By name, as the engine sorts a package's exports: the object table's order changes as objects come and go.
		Children.Sort([](const UObject& A, const UObject& B) { return A.GetName() < B.GetName(); });
		FJson Subobjects = FJson::array();
		for (UObject* Child : Children)
		{
			if (Child == nullptr || Child->HasAnyFlags(RF_Transient))
			{
				continue;
			}
			FJson ChildJson = FJson::object();
			ChildJson["Name"] = AssetStrings::ToUtf8(Child->GetName());
			FJson ChildBody = SerializeObject(Child);
			for (auto& [Key, Value] : ChildBody.items())
			{
				ChildJson[Key] = Value;
			}
			Subobjects.push_back(std::move(ChildJson));
		}
		if (!Subobjects.empty())
		{
			Json["Subobjects"] = std::move(Subobjects);
		}
		return Json;
	}
}

bool AssetFile::ReadAssetHeader(const FString& Filename, FString& OutClassPath, FString& InOutAssetName)
{
	FJson Json;
	if (!ReadJson(Filename, Json))
	{
		return false;
	}
	OutClassPath = AssetStrings::FromUtf8(Json["Class"].get<std::string>());
	if (Json.contains("Name"))
	{
		InOutAssetName = AssetStrings::FromUtf8(Json["Name"].get<std::string>());
	}
	return true;
}

UPackage* AssetFile::LoadPackage(const FString& LongPackageName, const FString& Filename)
{
	FJson Json;
	if (!ReadJson(Filename, Json))
	{
		return nullptr;
	}
	int32 SlashIndex = INDEX_NONE;
	LongPackageName.FindLastChar(TEXT('/'), SlashIndex);
	const FString AssetName = Json.contains("Name") ? AssetStrings::FromUtf8(Json["Name"].get<std::string>()) : LongPackageName.Mid(SlashIndex + 1);

	// A reference to an object the file does not hold (one whose class is missing) looks for it by loading this
	// package again; while it loads, it answers as it stands instead of loading itself without end.
	static TArray<FString> PackagesLoading;
	if (PackagesLoading.Contains(LongPackageName))
	{
		return FindPackage(nullptr, *LongPackageName);
	}
	struct FLoadingScope
	{
		explicit FLoadingScope(const FString& InName)
			: Name(InName)
		{
			PackagesLoading.Add(Name);
		}
		~FLoadingScope()
		{
			PackagesLoading.RemoveSingle(Name);
		}
		FString Name;
	} LoadingScope(LongPackageName);

	UPackage* const Existing = FindPackage(nullptr, *LongPackageName);
	UPackage* Package = CreatePackage(*LongPackageName);
	// Objects first, then every property, so that references between objects of the file resolve.
	TArray<FPendingObject> Objects;
	UObject* Asset = nullptr;
	if (!CreateObjects(Json, Package, AssetName, RF_Public | RF_Standalone, Filename, Objects, Asset))
	{
		// A package that did not load leaves nothing behind: the next load reads its file afresh.
		if (Existing == nullptr)
		{
			UE::ObjectHost::DestroyObjectNow(Package);
		}
		return nullptr;
	}
	for (const FPendingObject& Pending : Objects)
	{
		ImportProperties(Pending, Filename);
	}
	for (const FPendingObject& Pending : Objects)
	{
		Pending.Object->PostLoad();
	}
	return Package;
}

bool AssetFile::SavePackage(UPackage* Package, const FString& Filename)
{
	TArray<UObject*> TopLevel;
	GetObjectsWithOuter(Package, TopLevel, false);
	UObject* Asset = nullptr;
	for (UObject* Object : TopLevel)
	{
		if (Object == nullptr || Object->HasAnyFlags(RF_Transient))
		{
			continue;
		}
		// A Blueprint's generated class and its default object are built again from the Blueprint when it loads.
		const UClass* AsClass = Cast<UClass>(Object);
		if (Object->HasAnyFlags(RF_ClassDefaultObject) || (AsClass && AsClass->HasAnyClassFlags(CLASS_CompiledFromBlueprint)))
		{
			continue;
		}
		checkf(Asset == nullptr, TEXT("Saving more than one top-level object per package is not implemented in the stand-in (%s)"), *Package->GetName());
		Asset = Object;
	}
	if (Asset == nullptr)
	{
		UE_LOG(LogAssetRegistry, Error, TEXT("Could not save %s: the package holds no asset"), *Package->GetName());
		return false;
	}

	const std::string Path = AssetStrings::ToUtf8(Filename);
	std::error_code Error;
	std::filesystem::create_directories(std::filesystem::path(Path).parent_path(), Error);
	std::ofstream Stream(Path, std::ios::binary | std::ios::trunc);
	if (!Stream)
	{
		UE_LOG(LogAssetRegistry, Error, TEXT("Could not write asset file %s"), *Filename);
		return false;
	}
	FJson Json = SerializeObject(Asset);
	int32 SlashIndex = INDEX_NONE;
	Package->GetName().FindLastChar(TEXT('/'), SlashIndex);
	if (Asset->GetName() != Package->GetName().Mid(SlashIndex + 1))
	{
		// The file's stem names the asset unless the file says otherwise.
		FJson Named = FJson::object();
		Named["Name"] = AssetStrings::ToUtf8(Asset->GetName());
		Named.update(Json);
		Json = std::move(Named);
	}
	Stream << Json.dump(1, '\t') << '\n';
	Stream.close();
	if (!Stream)
	{
		UE_LOG(LogAssetRegistry, Error, TEXT("Could not write asset file %s"), *Filename);
		return false;
	}
	return true;
}
