// What an FText is made of: a source and a rule for building its display string in the current culture.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Internationalization/Text.h"
#include "Misc/Optional.h"

class FTextHistory
{
public:
	virtual ~FTextHistory() = default;

	/** The display string, rebuilt whenever the localisation revision has moved on. */
	const FString& GetDisplayString() const;

	virtual FString BuildDisplayString() const = 0;
	virtual FString BuildSourceString() const = 0;
	virtual TOptional<FString> GetNamespace() const { return TOptional<FString>(); }
	virtual TOptional<FString> GetKey() const { return TOptional<FString>(); }
	virtual bool IsCultureInvariant() const { return false; }
	virtual bool IsTransient() const { return false; }
	virtual bool IsLocalized() const { return false; }

	/** The source string, cached so a pointer to it can be handed out. */
	const FString& GetSourceString() const;

private:
	mutable FString CachedDisplayString;
	mutable uint16 CachedRevision = 0;
	mutable FString CachedSourceString;
	mutable bool bSourceCached = false;
};
