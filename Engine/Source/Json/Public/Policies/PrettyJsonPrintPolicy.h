#pragma once

/** Output with line breaks and tab indentation. */
template<class CharType>
struct TPrettyJsonPrintPolicy
{
	static constexpr bool bPretty = true;
};
