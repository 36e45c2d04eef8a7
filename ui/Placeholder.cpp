namespace tallowmere { void placeholder() {} }
