// Where FJsonSerializer writes, after the engine's Serialization/JsonWriter.h.
#pragma once

#include "CoreMinimal.h"
#include "Policies/PrettyJsonPrintPolicy.h"
#include "Templates/SharedPointer.h"

class FJsonSerializer;

template<class CharType = TCHAR, class PrintPolicy = TPrettyJsonPrintPolicy<CharType>>
class TJsonWriterFactory;

/** A JSON text being written into a string; only FJsonSerializer writes to it. */
template<class CharType = TCHAR, class PrintPolicy = TPrettyJsonPrintPolicy<CharType>>
class TJsonWriter
{
public:
	virtual ~TJsonWriter() = default;

	/** Ends the writing; the text is complete in the stream. */
	bool Close()
	{
		return true;
	}

protected:
	friend class FJsonSerializer;
	friend class TJsonWriterFactory<CharType, PrintPolicy>;

	/** The serializer hands over the whole text at once. */
	void WriteSerializedText(const FString& Text)
	{
		*Stream += Text;
	}

	explicit TJsonWriter(FString* const InStream)
		: Stream(InStream)
	{
	}

	FString* Stream;
};

template<class CharType, class PrintPolicy>
class TJsonWriterFactory
{
public:
	static TSharedRef<TJsonWriter<CharType, PrintPolicy>> Create(FString* const Stream, int32 InitialIndentLevel = 0)
	{
		check(InitialIndentLevel == 0);
		return MakeShareable(new TJsonWriter<CharType, PrintPolicy>(Stream));
	}
};
