#include "MovieSceneBinding.h"

#include "MovieSceneLog.h"
#include "MovieSceneTrack.h"
#include "Templates/Casts.h"
#include "UObject/UnrealType.h"
#include "UObject/UObjectGlobals.h"

namespace
{
	const TCHAR* SkipSpace(const TCHAR* Cursor)
	{
		while (*Cursor == TEXT(' ') || *Cursor == TEXT('\t') || *Cursor == TEXT('\r') || *Cursor == TEXT('\n'))
		{
			++Cursor;
		}
		return Cursor;
	}

	/** One element of a reference list: a quoted path (backslash escapes) or a bare one; null at a malformed quote. */
	const TCHAR* ReadReference(const TCHAR* Cursor, FString& OutPath)
	{
		Cursor = SkipSpace(Cursor);
		if (*Cursor == TEXT('"'))
		{
			for (++Cursor; *Cursor && *Cursor != TEXT('"'); ++Cursor)
			{
				if (*Cursor == TEXT('\\') && Cursor[1])
				{
					++Cursor;
				}
				OutPath.AppendChar(*Cursor);
			}
			return *Cursor == TEXT('"') ? Cursor + 1 : nullptr;
		}
		while (*Cursor && *Cursor != TEXT(',') && *Cursor != TEXT(')') && *Cursor != TEXT(' '))
		{
			OutPath.AppendChar(*Cursor++);
		}
		return Cursor;
	}
}

void FMovieSceneBinding::AddTrack(UMovieSceneTrack& NewTrack)
{
	Tracks.Add(&NewTrack);
}

bool FMovieSceneBinding::RemoveTrack(UMovieSceneTrack& Track)
{
	return Tracks.RemoveSingle(&Track) != 0;
}

void FMovieSceneBinding::RemoveNullTracks()
{
	Tracks.RemoveAll([](const TObjectPtr<UMovieSceneTrack>& Track) { return Track == nullptr; });
}

bool FMovieSceneBinding::ImportTextItem(const TCHAR*& Buffer, int32 PortFlags, UObject* OwnerObject, FOutputDevice* ErrorText)
{
	const TCHAR* Cursor = SkipSpace(Buffer);
	if (*Cursor != TEXT('('))
	{
		return false;
	}
	++Cursor;
	FMovieSceneBinding Read;
	for (;;)
	{
		Cursor = SkipSpace(Cursor);
		if (*Cursor == TEXT(')'))
		{
			break;
		}
		FString FieldName;
		while (FChar::IsAlnum(*Cursor) || *Cursor == TEXT('_'))
		{
			FieldName.AppendChar(*Cursor++);
		}
		Cursor = SkipSpace(Cursor);
		if (FieldName.IsEmpty() || *Cursor != TEXT('='))
		{
			return false;
		}
		Cursor = SkipSpace(Cursor + 1);
		if (FieldName == TEXT("Tracks"))
		{
			if (*Cursor != TEXT('('))
			{
				return false;
			}
			Cursor = SkipSpace(Cursor + 1);
			while (*Cursor != TEXT(')'))
			{
				FString Path;
				Cursor = ReadReference(Cursor, Path);
				if (!Cursor)
				{
					return false;
				}
				UMovieSceneTrack* Track = Path.IsEmpty() || Path == TEXT("None") ? nullptr : Cast<UMovieSceneTrack>(StaticFindObject(UMovieSceneTrack::StaticClass(), nullptr, *Path));
				if (Track)
				{
					Read.Tracks.Add(Track);
				}
				else
				{
					UE_LOG(LogMovieScene, Warning, TEXT("%s: binding \"%s\" has no track %s; it is left out"), OwnerObject ? *OwnerObject->GetPathName() : TEXT("A binding"), *Read.BindingName, *Path);
				}
				Cursor = SkipSpace(Cursor);
				if (*Cursor == TEXT(','))
				{
					Cursor = SkipSpace(Cursor + 1);
				}
				else if (*Cursor != TEXT(')'))
				{
					return false;
				}
			}
			++Cursor;
		}
		else
		{
			// No field has a name too long to be a name, and making one would fail the name check.
			FProperty* Field = FieldName.Len() < NAME_SIZE ? StaticStruct()->FindPropertyByName(FName(*FieldName)) : nullptr;
			if (!Field)
			{
				return false;
			}
			Cursor = Field->ImportText_Direct(Cursor, Field->ContainerPtrToValuePtr<void>(&Read), OwnerObject, PortFlags | PPF_Delimited, ErrorText);
			if (!Cursor)
			{
				return false;
			}
		}
		Cursor = SkipSpace(Cursor);
		if (*Cursor == TEXT(','))
		{
			++Cursor;
		}
		else if (*Cursor != TEXT(')'))
		{
			return false;
		}
	}
	*this = MoveTemp(Read);
	Buffer = Cursor + 1;
	return true;
}
