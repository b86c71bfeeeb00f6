// Collects every line written to GLog while it exists, formatted as the headless editor prints them.
#pragma once

#include "CoreMinimal.h"
#include "Misc/OutputDevice.h"

class EDITORHOST_API FHostLogCapture : public FOutputDevice
{
public:
	FHostLogCapture();
	~FHostLogCapture();

	void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override;

	const TArray<FString>& GetLines() const
	{
		return Lines;
	}

	/** Whether a captured line contains the text (case-sensitive). */
	bool Contains(const FString& Text) const;

	/** Index of the first line containing the text at or after StartIndex, INDEX_NONE when none does. */
	int32 Find(const FString& Text, int32 StartIndex = 0) const;

	void Clear()
	{
		Lines.Empty();
	}

private:
	TArray<FString> Lines;
};

/** Formats a line as the headless editor prints it: "Category: Verbosity: Message", no word for Log. */
EDITORHOST_API FString FormatHostLogLine(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category);
