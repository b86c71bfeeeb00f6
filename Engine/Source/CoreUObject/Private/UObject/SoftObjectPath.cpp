#include "UObject/SoftObjectPath.h"
#include "UObject/SoftObjectPtr.h"
#include "UObject/TopLevelAssetPath.h"
#include "UObject/Object.h"
#include "UObject/Class.h"
#include "UObject/PropertyText.h"

using namespace UE::CoreUObject::Private;

FTopLevelAssetPath::FTopLevelAssetPath(const UObject* InObject)
{
	if (InObject)
	{
		TrySetPath(InObject->GetPathName());
	}
}

bool FTopLevelAssetPath::TrySetPath(const FString& InPath)
{
	Reset();
	const FString Path = InPath.TrimStartAndEnd();
	if (Path.IsEmpty() || Path == TEXT("None"))
	{
		return true;
	}
	if (!Path.StartsWith(TEXT("/")))
	{
		return false;
	}
	int32 Dot = INDEX_NONE;
	// A part too long to be a name names no asset (making the name would fail its check).
	if (!Path.FindChar(TEXT('.'), Dot))
	{
		if (Path.Len() >= NAME_SIZE)
		{
			return false;
		}
		PackageName = FName(*Path);
		return true;
	}
	const FString AssetPart = Path.Mid(Dot + 1);
	if (AssetPart.IsEmpty() || AssetPart.Contains(TEXT(".")) || AssetPart.Contains(TEXT(":")) || Dot >= NAME_SIZE || AssetPart.Len() >= NAME_SIZE)
	{
		return false;
	}
	PackageName = FName(*Path.Left(Dot));
	AssetName = FName(*AssetPart);
	return true;
}

FString FTopLevelAssetPath::ToString() const
{
	if (IsNull())
	{
		return FString();
	}
	return AssetName.IsNone() ? PackageName.ToString() : PackageName.ToString() + TEXT(".") + AssetName.ToString();
}

FSoftObjectPath::FSoftObjectPath(const UObject* InObject)
{
	*this = InObject;
}

FSoftObjectPath& FSoftObjectPath::operator=(const UObject* InObject)
{
	if (InObject)
	{
		SetPath(InObject->GetPathName());
	}
	else
	{
		Reset();
	}
	return *this;
}

void FSoftObjectPath::SetPath(const FString& InPath)
{
	Reset();
	FString Path = InPath.TrimStartAndEnd();
	// Class'/Path.Asset' and quoted forms name the same path; only a quote that opens a package path wraps, so a path
	// that merely holds or ends with quotes (/Game/A/''.'') stays as written.
	int32 Quote = INDEX_NONE;
	if (Path.EndsWith(TEXT("'")) && Path.FindChar(TEXT('\''), Quote) && Quote < Path.Len() - 2 && Path[Quote + 1] == TEXT('/'))
	{
		Path = Path.Mid(Quote + 1, Path.Len() - Quote - 2);
	}
	if (Path.Len() >= 2 && Path[0] == TEXT('"') && Path[Path.Len() - 1] == TEXT('"'))
	{
		Path = Path.Mid(1, Path.Len() - 2);
	}
	if (Path.IsEmpty() || Path == TEXT("None") || !Path.StartsWith(TEXT("/")))
	{
		return;
	}
	int32 Colon = INDEX_NONE;
	FString TopLevel = Path;
	if (Path.FindChar(TEXT(':'), Colon))
	{
		TopLevel = Path.Left(Colon);
		SubPathString = Path.Mid(Colon + 1);
	}
	else
	{
		// "/Pkg/Path.Asset.Sub": everything after the second dot is a sub-path.
		int32 FirstDot = Path.Find(TEXT("."), ESearchCase::CaseSensitive);
		if (FirstDot != INDEX_NONE)
		{
			const int32 SecondDot = Path.Find(TEXT("."), ESearchCase::CaseSensitive, ESearchDir::FromStart, FirstDot + 1);
			if (SecondDot != INDEX_NONE)
			{
				TopLevel = Path.Left(SecondDot);
				SubPathString = Path.Mid(SecondDot + 1);
			}
		}
	}
	AssetPath.TrySetPath(TopLevel);
}

FString FSoftObjectPath::ToString() const
{
	if (IsNull())
	{
		return FString();
	}
	FString Result = AssetPath.ToString();
	if (!SubPathString.IsEmpty())
	{
		Result += TEXT(":");
		Result += SubPathString;
	}
	return Result;
}

UObject* FSoftObjectPath::ResolveObject() const
{
	if (IsNull())
	{
		return nullptr;
	}
	return StaticFindObject(UObject::StaticClass(), nullptr, *ToString());
}

UObject* FSoftObjectPath::TryLoad(FUObjectSerializeContext* InLoadContext) const
{
	if (IsNull())
	{
		return nullptr;
	}
	if (UObject* Found = ResolveObject())
	{
		return Found;
	}
	return StaticLoadObject(UObject::StaticClass(), nullptr, *ToString());
}

bool FSoftObjectPath::ExportTextItem(FString& ValueStr, const FSoftObjectPath& DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	if (PortFlags & PPF_Delimited)
	{
		// Escaped as a quoted string is: a quote in the path ended the value when it was read back.
		ValueStr += FString(TEXT("\"")) + EscapeString(ToString()) + TEXT("\"");
	}
	else
	{
		ValueStr += ToString();
	}
	return true;
}

bool FSoftObjectPath::ImportTextItem(const TCHAR*& Buffer, int32 PortFlags, UObject* Parent, FOutputDevice* ErrorText)
{
	FString Token;
	const TCHAR* After;
	const TCHAR* Start = SkipWhitespace(Buffer);
	if (*Start == TEXT('"'))
	{
		After = ReadQuotedString(Start, Token);
	}
	else if (PortFlags & PPF_Delimited)
	{
		After = ReadDelimitedToken(Start, Token);
	}
	else
	{
		Token = FString(Start).TrimStartAndEnd();
		After = Start + FCString::Strlen(Start);
	}
	if (!After)
	{
		ReportImportError(ErrorText, TEXT("Unterminated object path"));
		return false;
	}
	SetPath(Token);
	if (IsNull() && !Token.IsEmpty() && Token != TEXT("None"))
	{
		ReportImportError(ErrorText, FString::Printf(TEXT("'%s' is not an object path"), *Token));
		return false;
	}
	Buffer = After;
	return true;
}

UClass* FSoftClassPath::ResolveClass() const
{
	return dynamic_cast<UClass*>(ResolveObject());
}

UClass* FSoftClassPath::TryLoadClass() const
{
	return dynamic_cast<UClass*>(TryLoad());
}

FSoftObjectPtr& FSoftObjectPtr::operator=(const UObject* Object)
{
	ObjectPath = Object;
	WeakPtr = Object;
	return *this;
}

UObject* FSoftObjectPtr::Get() const
{
	if (UObject* Cached = WeakPtr.Get())
	{
		return Cached;
	}
	UObject* Resolved = ObjectPath.ResolveObject();
	WeakPtr = Resolved;
	return Resolved;
}

UObject* FSoftObjectPtr::LoadSynchronous() const
{
	if (UObject* Found = Get())
	{
		return Found;
	}
	UObject* Loaded = ObjectPath.TryLoad();
	WeakPtr = Loaded;
	return Loaded;
}
